#include "support/fake_switch.h"

#include <algorithm>

namespace velkor::testing {

std::vector<uint8_t> FakeSwitch::Reply(const Mac& dst, const Mac& src, uint8_t opcode, bool tagged) {
  std::vector<uint8_t> f(60, 0);
  std::copy(dst.begin(), dst.end(), f.begin());
  std::copy(src.begin(), src.end(), f.begin() + 6);
  size_t at = 12;
  if (tagged) {
    f.insert(f.begin() + 12, {0x81, 0x00, 0x00, 0x05});
    at = 16;
  }
  f[at] = 0x88;
  f[at + 1] = 0x99;
  f[at + 2] = 0x01;
  f[at + 3] = opcode;
  f[at + 4] = 0x5C;
  f[at + 5] = 0x3A;
  return f;
}

void FakeSwitch::EepromCommand(uint32_t control) {
  const uint16_t addr = control & 0x7FF;
  if (control & 0x0800)
    registers[0x0218] = eeprom[addr] << 8;
  else if (addr != stuckByte)
    eeprom[addr] = registers[0x0218] & 0xFF;
}

void FakeSwitch::OnHostFrame(std::span<const uint8_t> f, uint64_t nowUs, std::vector<TimedFrame>& replies) {
  if (!answering || f.size() < 24 || f[12] != 0x88 || f[13] != 0x99) return;
  const bool broadcast = std::all_of(f.begin(), f.begin() + 6, [](uint8_t b) { return b == 0xFF; });
  const bool forUs = std::equal(mac_.begin(), mac_.end(), f.begin());
  const Mac host{f[6], f[7], f[8], f[9], f[10], f[11]};
  const size_t s = tagged ? 4 : 0;
  auto send = [&](std::vector<uint8_t> r) {
    replies.push_back({nowUs + latencyUs, r});
    if (duplicate) replies.push_back({nowUs + latencyUs + 10, r});
  };
  if (f[15] == 0x00 && broadcast) {
    auto r = Reply(host, mac_, 0x80, tagged);
    r[18 + s] = 1;  // local port
    r[19 + s] = upstreamPort;
    std::copy(upstream.begin(), upstream.end(), r.begin() + 20 + s);
    r[30 + s] = modelCode;
    send(r);
    return;
  }
  if (!forUs) return;
  const uint16_t reg = static_cast<uint16_t>(f[18] | f[19] << 8);
  const uint32_t data = f[20] | f[21] << 8 | f[22] << 16 | static_cast<uint32_t>(f[23]) << 24;
  if (f[15] == 0x02) {
    writes.emplace_back(reg, data);
    if (onSet) onSet(reg, data);
    registers[reg] = data;
    if (reg == 0x0217) EepromCommand(data);
    return;
  }
  if (f[15] != 0x01) return;
  ++gets;
  if (silent.count(reg)) return;
  if (loseGets > 0) {
    --loseGets;
    return;
  }
  uint32_t value = registers.count(reg) ? registers[reg] : 0;
  if (onGet) value = onGet(reg, value);
  const uint16_t answered = answerAs.count(reg) ? answerAs[reg] : reg;
  auto r = Reply(host, mac_, 0x81, tagged);
  r[18 + s] = answered & 0xFF;
  r[19 + s] = answered >> 8;
  for (int i = 0; i < 4; ++i) r[20 + s + i] = (value >> (8 * i)) & 0xFF;
  send(r);
}

}  // namespace velkor::testing
