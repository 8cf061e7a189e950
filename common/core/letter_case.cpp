#include "common/core/letter_case.h"

namespace common {
namespace {

// Not std::tolower: under a Latin-1 locale it would change the bytes of
// UTF-8 names.
char LowerLetter(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
char UpperLetter(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

std::string AsciiLower(std::string text) {
  for (char& c : text) c = LowerLetter(c);
  return text;
}

std::string LastThreeUpper(const std::string& fileName) {
  std::string tail = fileName.size() >= 3 ? fileName.substr(fileName.size() - 3) : fileName;
  for (char& c : tail) c = UpperLetter(c);
  return tail;
}

bool ComesBeforeIgnoringCase(const std::string& a, const std::string& b) {
  const std::string lowerA = AsciiLower(a);
  const std::string lowerB = AsciiLower(b);
  return lowerA != lowerB ? lowerA < lowerB : a < b;
}

}  // namespace common
