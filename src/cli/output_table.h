#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace velkor::cli {

// Prints rows under a header, each column as wide as its widest cell in terminal columns (a
// Chinese character takes two), separated by two spaces; the last column is not padded.
void PrintTable(std::ostream& out, const std::vector<std::string>& header,
                const std::vector<std::vector<std::string>>& rows);

// The terminal columns UTF-8 text takes.
size_t DisplayWidth(const std::string& text);

}  // namespace velkor::cli
