#pragma once

#include "common/core/csv_fields.h"
#include "lyt/core/board_element.h"

#include <string>
#include <string_view>

namespace lyt {

// The three kinds of line of a board or footprint file, shared by the
// writer and both readers. Texts are UTF-8 in memory, Windows-1252 on disk.

constexpr const char* BoardMagic = "LYT 3";
constexpr const char* FootprintMagic = "EMP 3";

// Each appends its line, CR LF included, to the file's text.
void AppendMagicLine(std::string& out, std::string_view magic);
void AppendGridLine(std::string& out, float gridStepX, float gridStepY);
void AppendElementLine(std::string& out, const BoardElement& element);

// The single string field of the first line; false when there is none.
bool ReadMagicLine(std::string_view line, std::string& magic);
// Two numbers; false, leaving the steps alone, on anything else.
bool ReadGridLine(std::string_view line, float& gridStepX, float& gridStepY);
// Exactly ten fields; false, leaving `element` alone, on anything else.
bool ReadElementLine(std::string_view line, BoardElement& element);

// The versions that carry a grid line; older ones go straight to elements.
bool HasGridLine(std::string_view magic);

// Reads every line of `rest` as an element line, handing each element to
// `take`; stops at the first line that is not one and returns false.
template <class Take>
bool ReadElementLines(std::string_view rest, Take take) {
  std::string_view line;
  while (common::TakeLine(rest, line)) {
    BoardElement element;
    if (!ReadElementLine(line, element)) return false;
    take(std::move(element));
  }
  return true;
}

}  // namespace lyt
