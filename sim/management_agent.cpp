#include "sim/management_agent.h"

#include <algorithm>

namespace velkor::sim {

void ManagementAgent::StopAnswering(uint64_t fromUs, uint64_t untilUs) {
  silentFromUs_ = fromUs;
  silentUntilUs_ = untilUs;
  silentPeriodUs_ = 0;
}

void ManagementAgent::StopAnsweringEvery(uint64_t fromUs, uint64_t periodUs, uint64_t forUs) {
  silentFromUs_ = fromUs;
  silentUntilUs_ = UINT64_MAX;
  silentPeriodUs_ = periodUs;
  silentForUs_ = forUs;
}

bool ManagementAgent::Silent(uint64_t nowUs) const {
  if (nowUs < silentFromUs_ || nowUs >= silentUntilUs_) return false;
  return !silentPeriodUs_ || (nowUs - silentFromUs_) % silentPeriodUs_ < silentForUs_;
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
  if (Silent(nowUs)) return;
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
    const uint64_t at = ReplyTime(plan, nowUs);
    AddFakeHellos(request, plan.floodHellos, nowUs, replies);
    Send(BuildHelloReply(request.source, answer), plan, nowUs, replies);
    return AddFakeHellos(request, plan.floodHellos, at + 1, replies);
  }
  ++frames_.gets;
  // The chip does the read even when the reply is lost on the way back.
  const uint16_t reg = static_cast<uint16_t>(request.reg + plan.addressOffset);
  const uint32_t value = chip_.Read(reg);
  AddGetImpostors(request, reg, value, plan, nowUs, replies);
  Send(BuildGetReply(request.source, chip_.MacAddress(), reg, value), plan, nowUs, replies);
  lastReplied_[reg] = value;
}

void ManagementAgent::AddGetImpostors(const Request& request, uint16_t reg, uint32_t value,
                                      const ReplyPlan& plan, uint64_t nowUs,
                                      std::vector<TimedFrame>& replies) {
  const uint64_t atUs = ReplyTime(plan, nowUs);
  // Impostors that beat the fresh reply come a microsecond before it, or with it (and first) on
  // a switch without latency; never before the replies to earlier requests, which left first.
  const uint64_t beforeUs = std::max(atUs > nowUs ? atUs - 1 : atUs, lastInOrderUs_);
  if (plan.spoof) {
    const uint32_t wrong = value ^ (faults_.RandomValue() | 1);
    replies.push_back({beforeUs, BuildGetReply(request.source, faults_.RandomMac(), reg, wrong)});
  }
  const auto previous = lastReplied_.find(reg);
  if (plan.staleDelayUs && previous != lastReplied_.end()) {
    const uint64_t at = *plan.staleDelayUs ? atUs + *plan.staleDelayUs : beforeUs;
    replies.push_back({at, BuildGetReply(request.source, chip_.MacAddress(), reg, previous->second)});
  }
}

void ManagementAgent::AddFakeHellos(const Request& request, uint64_t count, uint64_t atUs,
                                    std::vector<TimedFrame>& replies) {
  for (uint64_t i = 0; i < count; ++i) {
    const uint32_t r = faults_.RandomValue();
    const HelloAnswer fake{faults_.RandomMac(), static_cast<uint8_t>(r % 24 + 1), 0, kZeroMac,
                           static_cast<uint8_t>((r >> 8) % 7 + 1)};
    replies.push_back({atUs, BuildHelloReply(request.source, fake)});
  }
}

void ManagementAgent::Send(std::vector<uint8_t> frame, const ReplyPlan& plan, uint64_t nowUs,
                           std::vector<TimedFrame>& replies) {
  if (plan.lost) return;
  if (plan.vid) InsertVlanTag(frame, *plan.vid);
  const uint64_t at = ReplyTime(plan, nowUs);
  if (plan.extraDelayUs == 0) lastInOrderUs_ = std::max(lastInOrderUs_, at);
  for (unsigned copy = 0; copy < plan.copies; ++copy) replies.push_back({at + copy, frame});
}

}  // namespace velkor::sim
