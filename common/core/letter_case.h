#pragma once

#include <string>

namespace common {

// Letter case of file names: ASCII letters only, as Windows compares the
// names the programs write.

std::string AsciiLower(std::string text);

// The last three characters upper-cased (the whole name when shorter): the
// extension test of the document writers, "Lyt" and "LYT" alike.
std::string LastThreeUpper(const std::string& fileName);

// Ignoring case first, then with case, so that "r" and "R" always come out
// in the same order and equal names end up side by side.
bool ComesBeforeIgnoringCase(const std::string& a, const std::string& b);

}  // namespace common
