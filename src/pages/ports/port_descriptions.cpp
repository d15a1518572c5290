#include "pages/ports/port_descriptions.h"

namespace velkor {

bool PortDescriptions::ReadSlot(size_t port, Progress* bar) {
  TransportSession& transport = page_.Transport();
  const auto before = transport.cache.ports[port];
  if (transport.blocks.ReadPortDescription(port, bar) == 0) return true;
  transport.cache.ports[port] = before;
  return false;
}

Outcome PortDescriptions::WriteDescription(size_t port, const PortDescriptionRecord& record) {
  if (port >= kPortDescriptionSlots) return Outcome::kNotVerified;
  TransportSession& transport = page_.Transport();
  const auto before = transport.cache.ports[port];
  if (transport.blocks.WritePortDescription(port, record) == 0) return Outcome::kDone;
  // The cache may hold the text that was meant rather than the one stored: show the EEPROM's, or
  // what was shown before when the EEPROM cannot be read either.
  if (ReadSlot(port, nullptr)) return Outcome::kNotVerified;
  transport.cache.ports[port] = before;
  return Outcome::kNoAnswer;
}

Outcome PortDescriptions::N1Click() {
  const std::optional<std::string> text = prompt_.Ask();
  if (!text) return Outcome::kNotConfirmed;
  const std::optional<PortDescriptionRecord> record = MakePortDescriptionRecord(*text);
  busy_.Begin();
  const auto feRows = static_cast<size_t>(page_.Layout().FeCount());
  Outcome outcome = record ? Outcome::kDone : Outcome::kRefused;
  for (size_t row : record ? page_.SelectedRows() : std::vector<size_t>{}) {
    if (row >= feRows) continue;
    const Outcome written = WriteDescription(row, *record);
    // A slot that does not take the text leaves the others to be written; a switch that stopped
    // answering would only cost each further row its full time-outs.
    if (written != Outcome::kDone) outcome = written;
    if (written == Outcome::kNoAnswer) break;
  }
  busy_.End();
  if (page_.FillPortSettings() == Outcome::kSwitchLost) return Outcome::kSwitchLost;
  return outcome;
}

Outcome PortDescriptions::Button8Click() {
  const int feCount = page_.Layout().FeCount();
  Outcome outcome = Outcome::kDone;
  {
    const auto bar = progress_.ShowProgress(8 * feCount);
    for (int i = 0; i < feCount && i < static_cast<int>(kPortDescriptionSlots); ++i) {
      if (ReadSlot(static_cast<size_t>(i), bar.get())) continue;
      outcome = Outcome::kNoAnswer;
      break;
    }
  }
  if (page_.FillPortSettings() == Outcome::kSwitchLost) return Outcome::kSwitchLost;
  return outcome;
}

}  // namespace velkor
