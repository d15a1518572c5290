#include "sim/segment_builder.h"

namespace velkor::sim {

namespace {
void AddTraffic(EmulatedSwitch& sw, uint64_t framesPerSecond) {
  constexpr uint64_t kFrameBytes = 512;
  const TrafficRates passing{framesPerSecond * kFrameBytes, framesPerSecond, framesPerSecond / 1000, 0};
  const TrafficRates dropped{framesPerSecond * kFrameBytes / 100, framesPerSecond / 100, 0, 0};
  for (uint8_t port = 0; port < kChipPorts; ++port) {
    if (!(sw.LinkStatus(port) & EmulatedSwitch::kLinkUpBit)) continue;
    sw.SetTraffic(port, Counter::kReceive, passing);
    sw.SetTraffic(port, Counter::kTransmit, passing);
    sw.SetTraffic(port, Counter::kDrop, dropped);
  }
}

void ApplyChipFault(const ChipFault& f, EmulatedSwitch& sw, ManagementAgent& agent, Clock& clock) {
  switch (f.kind) {
    case ChipFault::Kind::kEepromBusy:
      return sw.Eeprom().Busy().SetStuck(true);
    case ChipFault::Kind::kPhyBusy:
      return sw.Phys().Busy().SetStuck(true);
    case ChipFault::Kind::kMcuStuck:
      if (sw.Mcu()) sw.Mcu()->SetStuck(true);
      return;
    case ChipFault::Kind::kEepromStuckByte:
      return sw.Eeprom().StickByte(f.address);
    case ChipFault::Kind::kSilent: {
      const uint64_t from = clock.NowUs() + f.afterUs;
      if (f.everyUs) return agent.StopAnsweringEvery(from, f.everyUs, f.forUs);
      return agent.StopAnswering(from, f.forUs > UINT64_MAX - from ? UINT64_MAX : from + f.forUs);
    }
  }
}
}  // namespace

bool BuildSegment(const SimOptions& options, Segment& segment, Clock& clock, std::string& error) {
  for (size_t i = 0; i < options.switches.size(); ++i) {
    if (segment.AddSwitch(options.switches[i]) < 0) {
      error = "switch " + std::to_string(i) + ": its parent must be an earlier switch";
      return false;
    }
  }
  for (size_t i = 0; i < segment.Count(); ++i) {
    EmulatedSwitch& sw = segment.Switch(i);
    if (options.linksUp) {
      for (uint8_t p : sw.Ports().fastEthernet) sw.SetLinkStatus(p, sw.LinkUpStatus(p));
      for (uint8_t p : sw.Ports().gigabit) sw.SetLinkStatus(p, sw.LinkUpStatus(p));
    }
    if (options.trafficPerSecond) AddTraffic(sw, options.trafficPerSecond);
  }
  for (const FaultOption& f : options.faults) {
    if (f.index >= segment.Count()) {
      error = "--fault: there is no switch " + std::to_string(f.index);
      return false;
    }
    if (const auto* reply = std::get_if<ReplyFault>(&f.fault)) {
      segment.Agent(f.index).Faults().Add(*reply);
    } else {
      ApplyChipFault(std::get<ChipFault>(f.fault), segment.Switch(f.index), segment.Agent(f.index), clock);
    }
  }
  return true;
}

}  // namespace velkor::sim
