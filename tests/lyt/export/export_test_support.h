#pragma once

#include "lyt/core/board_element.h"

#include <initializer_list>
#include <utility>
#include <string>
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

// The lines of an export; a line not ended by CR LF is kept with a marker
// so that the comparison fails visibly.
inline std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start) + "<no CR LF>");
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

}  // namespace export_tests
