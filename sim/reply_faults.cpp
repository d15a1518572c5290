#include "sim/reply_faults.h"

#include "sim/frame_codec.h"

namespace velkor::sim {

namespace {
bool Targets(const ReplyFault& fault, uint8_t opcode, uint16_t reg) {
  if (fault.reg && (opcode != kOpGet || reg != *fault.reg)) return false;
  switch (fault.target) {
    case FaultTarget::kHello:
      return opcode == kOpHello;
    case FaultTarget::kGet:
      return opcode == kOpGet;
    default:
      return true;
  }
}
}  // namespace

bool ReplyFaults::Strikes(Rule& rule) {
  const ReplyFault& f = rule.fault;
  const uint64_t n = ++rule.seen;
  if (f.everyNth) return n % f.everyNth == 0;
  if (f.count) {
    const uint64_t first = f.from ? f.from : 1;
    return n >= first && n - first < f.count;
  }
  if (f.chance > 0) return std::uniform_real_distribution<double>(0, 1)(rng_) < f.chance;
  return true;
}

ReplyPlan ReplyFaults::Plan(uint8_t opcode, uint16_t reg) {
  ReplyPlan plan;
  for (Rule& rule : rules_) {
    if (!Targets(rule.fault, opcode, reg) || !Strikes(rule)) continue;
    switch (rule.fault.kind) {
      case FaultKind::kLose:
        plan.lost = true;
        break;
      case FaultKind::kDelay:
        plan.extraDelayUs += rule.fault.delayUs;
        break;
      case FaultKind::kDuplicate:
        ++plan.copies;
        break;
      case FaultKind::kTag:
        plan.vid = rule.fault.vid;
        break;
      case FaultKind::kWrongAddress:
        if (opcode == kOpGet) plan.addressOffset += rule.fault.addressOffset;
        break;
      case FaultKind::kSpoof:
        plan.spoof = opcode == kOpGet;
        break;
      case FaultKind::kStale:
        if (opcode == kOpGet) plan.staleDelayUs = rule.fault.delayUs;
        break;
      case FaultKind::kHelloFlood:
        if (opcode == kOpHello) plan.floodHellos += rule.fault.floodCount;
        break;
    }
  }
  return plan;
}

Mac ReplyFaults::RandomMac() {
  const uint64_t bits = rng_();
  Mac mac;
  for (size_t i = 0; i < mac.size(); ++i) mac[i] = static_cast<uint8_t>(bits >> (8 * i));
  mac[0] = static_cast<uint8_t>((mac[0] & 0xFC) | 0x02);
  return mac;
}

}  // namespace velkor::sim
