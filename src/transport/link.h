#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "transport/mac.h"
#include "transport/packet_io.h"

namespace velkor {

inline constexpr size_t kMaxAdapters = 16;

// One local Ethernet adapter.
struct AdapterInfo {
  std::string name;         // at most 59 characters
  std::string description;  // at most 79 characters; empty when the library gives none
  Mac mac{};                // all zero while the system has not supplied it
  std::string macText;
  uint32_t ip = 0;
  std::string ipText;  // empty when the device has no IPv4 address
};

// The adapter table and the three capture channels on the picked adapter. Diagnostics go to the
// error stream given at construction; nothing here talks to the user.
class Link {
 public:
  // The backend outlives the link, which closes its channels through it.
  Link(PacketBackend& backend, std::ostream& errors) : backend_(backend), errors_(errors) {}
  ~Link() { CloseChannels(); }
  Link(const Link&) = delete;
  Link& operator=(const Link&) = delete;

  // Closes the channels and rebuilds the table. -1 when the library cannot list devices (the
  // program then ends with exit code 1; the text is already on the error stream).
  int EnumerateAdapters();
  unsigned AdapterCount() const { return static_cast<unsigned>(adapters_.size()); }
  const AdapterInfo* Adapter(unsigned i) const { return i < adapters_.size() ? &adapters_[i] : nullptr; }
  std::optional<std::string> AdapterMacText(unsigned i) const;
  std::optional<std::string> AdapterIpText(unsigned i) const;

  int OpenChannels(unsigned i);
  // Why the last OpenChannels failed (kNone after a success).
  OpenFailure LastOpenFailure() const { return openFailure_; }
  int SetRegisterFilter(const Mac& switchMac);
  void CloseChannels();

  // The picked adapter's MAC: source of every request, destination of every reply.
  const Mac& AdapterMac() const { return adapterMac_; }
  CaptureChannel* DiscoveryChannel() { return discovery_.get(); }
  CaptureChannel* SendChannel() { return send_.get(); }
  CaptureChannel* RegisterChannel() { return register_.get(); }
  std::ostream& Errors() { return errors_; }

 private:
  int FailOpen(const char* text);

  PacketBackend& backend_;
  std::ostream& errors_;
  std::vector<AdapterInfo> adapters_;
  Mac adapterMac_{};
  OpenFailure openFailure_ = OpenFailure::kNone;
  std::unique_ptr<CaptureChannel> discovery_, send_, register_;
};

}  // namespace velkor
