#include "testing/memory_wire.h"

#include <algorithm>
#include <memory>

namespace velkor {

namespace {
// Like a kernel capture buffer: a channel nobody reads stops growing here.
constexpr size_t kChannelBufferFrames = 8192;
}  // namespace

struct MemoryWire::QueuedFrame {
  uint64_t atUs = 0;
  std::vector<uint8_t> bytes;
};

class MemoryWire::Channel final : public CaptureChannel {
 public:
  Channel(MemoryWire& wire, Device& device, const ChannelParams& params)
      : wire_(wire), device_(device), params_(params) {}
  ~Channel() override { wire_.Detach(this); }

  int LinkType() const override { return device_.linkType; }

  // Like a kernel filter, it decides as frames arrive: frames already queued that it refuses are
  // dropped, and later ones are never queued.
  int SetFilter(const FrameFilter& filter) override {
    filter_ = filter;
    std::erase_if(queue_, [&](const QueuedFrame& f) { return !filter_->Matches(f.bytes); });
    return 0;
  }

  int Send(std::span<const uint8_t> frame) override {
    wire_.Transmit(device_, frame);
    return 0;
  }

  int DispatchWithin(const FrameSink& sink, uint64_t waitUs) override {
    Clock& clock = wire_.clock_;
    uint64_t now = clock.NowUs();
    if (!HasArrived(now)) {
      const uint64_t deadline = now + std::min(static_cast<uint64_t>(params_.readTimeoutMs) * 1000, waitUs);
      const uint64_t first = FirstArrival();
      const uint64_t wake = std::min(first, deadline);
      if (wake > now) clock.SleepUs(wake - now);
      now = clock.NowUs();
    }
    return DeliverArrived(sink, now);
  }

  void DispatchPending(const FrameSink& sink) override { DeliverArrived(sink, wire_.clock_.NowUs()); }

  bool Accepts(std::span<const uint8_t> frame) const {
    return queue_.size() < kChannelBufferFrames && (!filter_ || filter_->Matches(frame));
  }

  void Receive(QueuedFrame frame) {
    // Frames mostly come in the order they arrive: no search for those.
    if (queue_.empty() || queue_.back().atUs <= frame.atUs) {
      queue_.push_back(std::move(frame));
      return;
    }
    auto at = std::upper_bound(queue_.begin(), queue_.end(), frame.atUs,
                               [](uint64_t t, const QueuedFrame& f) { return t < f.atUs; });
    queue_.insert(at, std::move(frame));
  }

 private:
  int DeliverArrived(const FrameSink& sink, uint64_t now) {
    int delivered = 0;
    while (!queue_.empty() && queue_.front().atUs <= now) {
      const QueuedFrame frame = std::move(queue_.front());
      queue_.pop_front();
      sink(frame.bytes);
      ++delivered;
    }
    return delivered;
  }

  // The queue is in order of arrival and holds only frames the filter lets through.
  bool HasArrived(uint64_t now) const { return !queue_.empty() && queue_.front().atUs <= now; }
  uint64_t FirstArrival() const { return queue_.empty() ? UINT64_MAX : queue_.front().atUs; }

  MemoryWire& wire_;
  Device& device_;
  ChannelParams params_;
  std::optional<FrameFilter> filter_;
  std::deque<QueuedFrame> queue_;
};

void MemoryWire::AddDevice(const CaptureDevice& device, std::optional<Mac> mac, WireEndpoint* far) {
  Device d;
  d.info = device;
  d.mac = mac;
  d.far = far;
  devices_.push_back(std::move(d));
}

void MemoryWire::FailOpen(const std::string& device, bool fail) {
  if (Device* d = Find(device)) d->failOpen = fail;
}

void MemoryWire::SetLinkType(const std::string& device, int linkType) {
  if (Device* d = Find(device)) d->linkType = linkType;
}

void MemoryWire::Inject(const std::string& device, TimedFrame frame) {
  if (Device* d = Find(device)) Deliver(*d, std::move(frame));
}

const std::vector<std::vector<uint8_t>>& MemoryWire::Sent(const std::string& device) const {
  static const std::vector<std::vector<uint8_t>> none;
  const Device* d = Find(device);
  return d ? d->sent : none;
}

void MemoryWire::ClearSent(const std::string& device) {
  if (Device* d = Find(device)) d->sent.clear();
}

void MemoryWire::KeepSent(const std::string& device, bool keep) {
  if (Device* d = Find(device)) d->keepSent = keep;
}

bool MemoryWire::FindAllDevices(std::vector<CaptureDevice>& devices, std::string& error) {
  if (failListing_) {
    error = "no devices could be listed";
    return false;
  }
  devices.clear();
  for (const Device& d : devices_) devices.push_back(d.info);
  return true;
}

std::unique_ptr<CaptureChannel> MemoryWire::Open(const std::string& device, const ChannelParams& params,
                                                 OpenError& error) {
  Device* d = Find(device);
  if (!d) {
    error = {OpenFailure::kNoDevice, device + ": no such device"};
    return nullptr;
  }
  if (d->failOpen) {
    error = {OpenFailure::kOther, device + ": the device cannot be opened"};
    return nullptr;
  }
  auto channel = std::make_unique<Channel>(*this, *d, params);
  d->channels.push_back(channel.get());
  return channel;
}

std::optional<Mac> MemoryWire::AdapterMac(const std::string& device) {
  const Device* d = Find(device);
  return d ? d->mac : std::nullopt;
}

MemoryWire::Device* MemoryWire::Find(const std::string& name) {
  for (Device& d : devices_)
    if (d.info.name == name) return &d;
  return nullptr;
}

const MemoryWire::Device* MemoryWire::Find(const std::string& name) const {
  return const_cast<MemoryWire*>(this)->Find(name);
}

void MemoryWire::Transmit(Device& device, std::span<const uint8_t> frame) {
  if (device.keepSent) device.sent.emplace_back(frame.begin(), frame.end());
  if (!device.far) return;
  // Kept from send to send: a far end that answers with many frames grows it once.
  replies_.clear();
  device.far->OnHostFrame(frame, clock_.NowUs(), replies_);
  for (TimedFrame& r : replies_) Deliver(device, std::move(r));
}

void MemoryWire::Deliver(Device& device, TimedFrame frame) {
  // A frame mostly has one taker: it gets the bytes themselves, and only the others get copies.
  Channel* previous = nullptr;
  for (Channel* c : device.channels) {
    if (!c->Accepts(frame.bytes)) continue;
    if (previous) previous->Receive({frame.atUs, frame.bytes});
    previous = c;
  }
  if (previous) previous->Receive({frame.atUs, std::move(frame.bytes)});
}

void MemoryWire::Detach(Channel* channel) {
  for (Device& d : devices_) d.channels.remove(channel);
}

}  // namespace velkor
