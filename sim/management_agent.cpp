#include "sim/management_agent.h"

namespace velkor::sim {

void ManagementAgent::StopAnswering(uint64_t fromUs, uint64_t untilUs) {
  silentFromUs_ = fromUs;
  silentUntilUs_ = untilUs;
}

void ManagementAgent::ClearHistory() {
  frames_ = {};
  writes_.clear();
}

bool ManagementAgent::AddressedToMe(const Request& request) const {
  if (request.destination == chip_.MacAddress()) return true;
  return request.destination == kBroadcastMac && request.opcode == kOpHello;
}

void ManagementAgent::OnRequest(const Request& request, const PeerLink& upstream, uint64_t nowUs,
                                std::vector<TimedFrame>& replies) {
  if (!AddressedToMe(request) || chip_.Restarting()) return;
  if (nowUs >= silentFromUs_ && nowUs < silentUntilUs_) return;
  const bool known = request.opcode == kOpHello || request.opcode == kOpGet || request.opcode == kOpSet;
  if (!request.keyValid || !known || !chip_.ManagementEnabled(chip_.LocalPort())) {
    ++frames_.rejected;
    return;
  }
  if (request.opcode == kOpSet) {
    ++frames_.sets;
    if (writes_.size() == kWriteHistory) writes_.pop_front();
    writes_.push_back({request.reg, request.value, nowUs});
    chip_.Write(request.reg, request.value);
    return;
  }
  const ReplyPlan plan = faults_.Plan(request.opcode, request.reg);
  if (request.opcode == kOpHello) {
    ++frames_.hellos;
    const HelloAnswer answer{chip_.MacAddress(), chip_.LocalPort(), upstream.port, upstream.mac,
                             chip_.ModelCode()};
    return Send(BuildHelloReply(request.source, answer), plan, nowUs, replies);
  }
  ++frames_.gets;
  // The chip does the read even when the reply is lost on the way back.
  const uint16_t reg = static_cast<uint16_t>(request.reg + plan.addressOffset);
  const uint32_t value = chip_.Read(reg);
  Send(BuildGetReply(request.source, chip_.MacAddress(), reg, value), plan, nowUs, replies);
}

void ManagementAgent::Send(std::vector<uint8_t> frame, const ReplyPlan& plan, uint64_t nowUs,
                           std::vector<TimedFrame>& replies) {
  if (plan.lost) return;
  if (plan.vid) InsertVlanTag(frame, *plan.vid);
  const uint64_t at = nowUs + latencyUs_ + plan.extraDelayUs;
  for (unsigned copy = 0; copy < plan.copies; ++copy) replies.push_back({at + copy, frame});
}

}  // namespace velkor::sim
