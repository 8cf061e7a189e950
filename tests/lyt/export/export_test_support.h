#pragma once

#include "lyt/core/board.h"
#include "support/board_test_support.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace export_tests {

using board_tests::Element;
using namespace lyt;

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
  std::size_t start = 0;
  while (start < text.size()) {
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

inline const std::string kGerberHeader = CrLf({"G04 format : xxx.xxx unité : millimètre *",
                                               "%FSLAX33Y33*", "MOMM*", "OFA0B0*", "SFA1B1*",
                                               "IPPOS*%"});

// The board of the documented example: a track, a round pad and its hole.
inline std::vector<BoardElement> ExampleBoard() {
  return {Element(0, ElementKind::Track, BoardLayer::Component, 0.8f, 10, 20, 30, 20),
          Element(0, ElementKind::RoundPad, BoardLayer::Through, 0.8f, 10, 20),
          Element(0, ElementKind::Hole, BoardLayer::Through, 0.4f, 10, 20)};
}

// Something of every kind on every layer it can take, texts at every angle,
// plus what must never be exported: a deleted record, kinds 2 and 3.
inline std::vector<BoardElement> EveryKindBoard() {
  std::vector<BoardElement> board = {
      Element(0, ElementKind::Track, BoardLayer::Component, 0.8f, 10, 20, 40, 20),
      Element(0, ElementKind::Track, BoardLayer::Component, 0.3175f, 40, 20, 40, 40),
      Element(0, ElementKind::Track, BoardLayer::Solder, 0.5f, 10, 30, 40, 45),
      Element(0, ElementKind::Track, BoardLayer::Silkscreen, 0.25f, 5, 5, 60, 5),
      Element(0, ElementKind::Track, BoardLayer::Component, 0.8f, 50, 50, 50, 50)};
  int x = 10;
  for (std::int32_t kind : {ElementKind::RoundPad, ElementKind::SquarePad, ElementKind::OvalPad,
                            ElementKind::RectPad}) {
    for (int angle : {0, 90, 180, 270}) {
      board.push_back(Element(1, kind, BoardLayer::Through, 0.79375f, static_cast<float>(x), 60,
                              0, 0, "", angle));
      board.push_back(Element(1, ElementKind::Hole, BoardLayer::Through, 0.4f,
                              static_cast<float>(x), 60));
      x += 6;
    }
  }
  board.push_back(Element(0, ElementKind::RoundPad, BoardLayer::Through, 0.5f, 10, 70));
  board.push_back(Element(0, ElementKind::Hole, BoardLayer::Through, 0.5f, 10, 70));
  board.push_back(Element(0, ElementKind::Hole, BoardLayer::Through, 1.6f, 0.5f, 75));
  board.push_back(Element(0, ElementKind::Circle, BoardLayer::Silkscreen, 2.5f, 80, 30));
  board.push_back(Element(0, ElementKind::Circle, BoardLayer::Silkscreen, 0.635f, 90, 30));
  const std::string glyphs = "ABCDEFGHIJKLMNOPQRSTUVWXYZ 0123456789 ()=+-*/,;%!:><\" abc 2.54mm";
  float y = 90;
  for (std::int32_t layer : {BoardLayer::Component, BoardLayer::Solder, BoardLayer::Silkscreen})
    for (int angle : {0, 90, 180, 270}) {
      board.push_back(Element(0, ElementKind::Text, layer, 1.0f, 150, y, 0, 0, glyphs, angle));
      y += 6;
    }
  board.push_back(Element(0, ElementKind::Text, BoardLayer::Component, 1.27f, 60, 50, 0, 0, "R12"));
  board.push_back(Element(0, ElementKind::Deleted, BoardLayer::Component, 3.0f, 1, 1, 2, 2));
  board.push_back(Element(0, 2, BoardLayer::Component, 3.0f, 1, 1, 2, 2));
  board.push_back(Element(0, 3, BoardLayer::Through, 3.0f, 1, 1, 2, 2));
  return board;
}

}  // namespace export_tests
