#pragma once

#include "lyt/core/board_element.h"

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace export_tests {

using namespace lyt;

inline BoardElement E(std::int32_t kind, std::int32_t layer, float size, float x1, float y1,
                      float x2 = 0, float y2 = 0, std::string text = {}, std::int32_t angle = 0) {
  return {0, kind, layer, size, x1, y1, x2, y2, false, std::move(text), angle};
}

// Lines as the exports end them.
inline std::string CrLf(std::initializer_list<std::string> lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

// The lines of an export; a last line without CR LF is marked, to fail visibly.
inline std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  if (start < text.size()) lines.push_back(text.substr(start) + "<no CR LF>");
  return lines;
}

}  // namespace export_tests
