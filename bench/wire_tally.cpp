#include "wire_tally.h"

#include "transport/frame.h"

namespace velkor::bench {

namespace {
constexpr auto kGet = static_cast<uint8_t>(Opcode::kGet);
constexpr auto kSet = static_cast<uint8_t>(Opcode::kSet);
constexpr uint16_t kEepromControl = 0x0217;
constexpr uint16_t kEepromRead = 0x0800;
constexpr size_t kRequestBytes = 22;  // through the low half of the data field
}  // namespace

class WireTally::Channel final : public CaptureChannel {
 public:
  Channel(std::unique_ptr<CaptureChannel> inner, WireTally& tally)
      : inner_(std::move(inner)), tally_(tally) {}

  int LinkType() const override { return inner_->LinkType(); }
  int SetFilter(const FrameFilter& filter) override { return inner_->SetFilter(filter); }
  int Send(std::span<const uint8_t> frame) override {
    const int sent = inner_->Send(frame);
    if (sent == 0) tally_.Record(frame);
    return sent;
  }
  int DispatchWithin(const FrameSink& sink, uint64_t waitUs) override {
    return inner_->DispatchWithin(sink, waitUs);
  }
  void DispatchPending(const FrameSink& sink) override { inner_->DispatchPending(sink); }
  std::unique_ptr<CaptureChannel> TakeInner() { return std::move(inner_); }

 private:
  std::unique_ptr<CaptureChannel> inner_;
  WireTally& tally_;
};

std::unique_ptr<CaptureChannel> WireTally::Open(const std::string& device, const ChannelParams& params,
                                                OpenError& error) {
  auto inner = inner_.Open(device, params, error);
  if (!inner) return nullptr;
  return std::make_unique<Channel>(std::move(inner), *this);
}

std::vector<std::unique_ptr<CaptureChannel>> WireTally::OpenEach(const std::string& device,
                                                                 std::span<const ChannelParams> params,
                                                                 OpenError& error) {
  std::vector<std::unique_ptr<CaptureChannel>> channels = inner_.OpenEach(device, params, error);
  for (auto& channel : channels) channel = std::make_unique<Channel>(std::move(channel), *this);
  return channels;
}

void WireTally::CloseEach(std::vector<std::unique_ptr<CaptureChannel>> channels) {
  std::vector<std::unique_ptr<CaptureChannel>> inner;
  for (auto& channel : channels) inner.push_back(static_cast<Channel&>(*channel).TakeInner());
  inner_.CloseEach(std::move(inner));
}

void WireTally::Record(std::span<const uint8_t> f) {
  if (f.size() < kRequestBytes || f[12] != 0x88 || f[13] != 0x99) return;
  sent_.push_back({clock_.NowUs(), f[15], static_cast<uint16_t>(f[18] | f[19] << 8),
                   static_cast<uint16_t>(f[20] | f[21] << 8)});
}

WireCount WireTally::Take(double gapUs) const {
  WireCount count;
  double lastGetUs = -1e18;
  for (const Sent& s : sent_) {
    if (s.opcode != kGet && s.opcode != kSet) continue;
    ++count.frames;
    if (s.opcode == kSet && s.reg == kEepromControl && !(s.data & kEepromRead)) ++count.eepromWrites;
    if (s.opcode != kGet) continue;
    const auto atUs = static_cast<double>(s.atUs);
    if (atUs - lastGetUs >= gapUs) ++count.roundTrips;
    lastGetUs = atUs;
  }
  return count;
}

}  // namespace velkor::bench
