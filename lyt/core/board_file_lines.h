#pragma once

#include "lyt/core/board_element.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace lyt {

// The three kinds of line of a board or footprint file, shared by the
// writer and both readers. Texts are UTF-8 in memory, Windows-1252 on disk.

constexpr const char* BoardMagic = "LYT 3";
constexpr const char* FootprintMagic = "EMP 3";

std::string MagicLine(std::string_view magic);
std::string GridLine(float gridStepX, float gridStepY);
std::string ElementLine(const BoardElement& element);

// The single string field of the first line; false when there is none.
bool ReadMagicLine(std::string_view line, std::string& magic);
// Two numbers; false, leaving the steps alone, on anything else.
bool ReadGridLine(std::string_view line, float& gridStepX, float& gridStepY);
// Exactly ten fields; false, leaving `element` alone, on anything else.
bool ReadElementLine(std::string_view line, BoardElement& element);

// The versions that carry a grid line; older ones go straight to elements.
bool HasGridLine(std::string_view magic);

// Reads lines[first...] as element lines, handing each to `take`; stops at
// the first line that is not one and returns false.
bool ReadElementLines(const std::vector<std::string_view>& lines, std::size_t first,
                      const std::function<void(const BoardElement&)>& take);

}  // namespace lyt
