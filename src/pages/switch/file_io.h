#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace velkor {

// The file's first bytes, at most limit of them, so that a device or a huge file picked by
// mistake cannot exhaust memory; none when it cannot be opened or read.
std::optional<std::vector<uint8_t>> ReadFileHead(const std::string& path, size_t limit);

// Writes a temporary file beside path and renames it over path once complete, so that a failed
// write never leaves a half file, nor destroys the one that was there.
bool WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes);

}  // namespace velkor
