#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace velkor {

// The whole file; none when it cannot be opened or read.
std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& path);

// Writes a temporary file beside path and renames it over path once complete, so that a failed
// write never leaves a half file, nor destroys the one that was there.
bool WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes);

}  // namespace velkor
