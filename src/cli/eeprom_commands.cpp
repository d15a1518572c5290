#include "cli/command.h"
#include "cli/exit_codes.h"
#include "pages/engineering/eeprom_image.h"
#include "pages/switch/file_io.h"

namespace velkor::cli {

namespace {

constexpr size_t kDumpLine = 16;

// Reads count bytes from addr on; none after reporting the first byte that went unanswered.
std::optional<std::vector<uint8_t>> ReadEeprom(CommandContext& c, uint32_t addr, uint32_t count) {
  std::vector<uint8_t> bytes;
  for (uint32_t a = addr; a < addr + count; ++a) {
    const auto byte = c.session.Transport().access.ReadEepromByte(static_cast<uint16_t>(a));
    if (!byte) {
      SwitchLost(c, "EEPROM byte " + Hex(a, 3));
      return std::nullopt;
    }
    bytes.push_back(*byte);
  }
  return bytes;
}

// A hex dump: the offset, 16 bytes a line, and the printable ones beside.
std::vector<Record> HexDump(uint32_t addr, const std::vector<uint8_t>& bytes) {
  std::vector<Record> lines;
  for (size_t at = 0; at < bytes.size(); at += kDumpLine) {
    std::string hex, text;
    for (size_t i = at; i < std::min(bytes.size(), at + kDumpLine); ++i) {
      hex += (hex.empty() ? "" : " ") + Hex(bytes[i], 2).substr(2);
      text += bytes[i] >= 0x20 && bytes[i] < 0x7F ? static_cast<char>(bytes[i]) : '.';
    }
    lines.push_back({{"offset", Hex(static_cast<uint32_t>(addr + at), 3)}, {"bytes", hex}, {"text", text}});
  }
  return lines;
}

int EepromGet(CommandContext& c) {
  uint32_t addr, count = 1;
  if (!NumberOperand(c, 0, kEepromSize - 1, addr)) return kExitUsage;
  if (c.args.operands.size() > 1 && !NumberOperand(c, 1, kEepromSize - addr, count)) return kExitUsage;
  if (const int e = c.session.Connect(c.args)) return e;
  const auto bytes = ReadEeprom(c, addr, count);
  if (!bytes) return kExitSwitchLost;
  c.out.Array(HexDump(addr, *bytes));
  return kExitOk;
}

// The first size bytes of the EEPROM into a file; no file unless every byte was read.
int EepromDump(CommandContext& c) {
  uint32_t size = kEepromSize;
  if (const auto given = c.args.values.find("size"); given != c.args.values.end()) {
    const auto n = ParseNumber(given->second, kEepromSize);
    if (!n || *n == 0) {
      c.err << "velkorctl: --size takes 1 to " << kEepromSize << "\n";
      return kExitUsage;
    }
    size = *n;
  }
  if (const int e = c.session.Connect(c.args)) return e;
  const auto bytes = ReadEeprom(c, 0, size);
  if (!bytes) return kExitSwitchLost;
  if (!WriteFileAtomically(c.args.operands[0], *bytes)) {
    c.err << "velkorctl: cannot write " << c.args.operands[0] << "\n";
    return kExitFailure;
  }
  c.out.Object({{"dumped", c.args.operands[0]}, {"bytes", static_cast<int64_t>(size)}});
  return kExitOk;
}

// Writes a raw image from EEPROM byte 0 on, only the bytes the EEPROM does not hold already, then
// reads the whole image back; the first byte that differs is reported. An image larger
// than the EEPROM would wrap around the 11-bit addresses: it is refused before anything is written.
int EepromBurn(CommandContext& c) {
  const auto image = ReadImageFile(c.args.operands[0]);
  if (!image) {
    c.err << "velkorctl: File Does Not Exist\n";
    return kExitUsage;
  }
  if (!FitsEeprom(*image)) {
    c.err << "velkorctl: the image has " << image->size() << " bytes; the EEPROM holds " << kEepromSize
          << "\n";
    return kExitUsage;
  }
  if (!c.args.Flag("yes")) {
    c.err << "velkorctl: burning replaces the whole EEPROM (not confirmed: give --yes)\n";
    return kExitNotConnected;
  }
  if (const int e = c.session.Connect(c.args)) return e;
  if (const auto failure = BurnImage(c.session.Transport().access, *image, nullptr)) {
    c.err << "velkorctl: EEPROM Writes Failed, Byte: " << failure->address << "\n";
    return failure->answered ? kExitFailure : kExitSwitchLost;
  }
  c.out.Object({{"burned", c.args.operands[0]}, {"bytes", static_cast<int64_t>(image->size())}});
  return kExitOk;
}

// Writes the bytes, then reads them back: success only when every byte verified.
int EepromSet(CommandContext& c) {
  uint32_t addr;
  if (!NumberOperand(c, 0, kEepromSize - 1, addr)) return kExitUsage;
  std::vector<uint8_t> bytes;
  for (size_t i = 1; i < c.args.operands.size(); ++i) {
    uint32_t v;
    if (!NumberOperand(c, i, 0xFF, v)) return kExitUsage;
    bytes.push_back(static_cast<uint8_t>(v));
  }
  if (addr + bytes.size() > kEepromSize) {
    c.err << "velkorctl: the bytes run past the end of the EEPROM\n";
    return kExitUsage;
  }
  if (const int e = c.session.Connect(c.args)) return e;
  SwitchAccess& access = c.session.Transport().access;
  std::vector<Record> rows;
  for (size_t i = 0; i < bytes.size(); ++i) {
    const auto a = static_cast<uint16_t>(addr + i);
    const std::string name = "EEPROM byte " + Hex(a, 3);
    if (!access.WriteEepromByte(a, bytes[i])) return SwitchLost(c, name);
    const auto back = access.ReadEepromByte(a);
    if (!back) return SwitchLost(c, name);
    if (*back != bytes[i]) return ReadsBackOther(c, name, *back, bytes[i], 2);
    rows.push_back({{"address", Hex(a, 3)}, {"written", Hex(bytes[i], 2)}});
  }
  c.out.Array(rows);
  return kExitOk;
}

}  // namespace

const std::vector<Command>& EepromCommands() {
  static const std::vector<Command> commands{
      {"eeprom-get", "eeprom-get ADDR [COUNT]", 1, 2, EepromGet},
      {"eeprom-set", "eeprom-set ADDR VALUE...", 2, kEepromSize + 1, EepromSet},
      {"eeprom-dump", "eeprom-dump FILE [--size N]", 1, 1, EepromDump},
      {"eeprom-burn", "eeprom-burn FILE [--yes]", 1, 1, EepromBurn},
  };
  return commands;
}

}  // namespace velkor::cli
