#pragma once

#include "common/core/element_tables.h"

#include <cstdint>
#include <string>

namespace lyt {

// Element kind codes as stored in the board file. 0 marks a deleted record;
// 2 and 3 are never produced but are kept when a file holds them.
namespace ElementKind {
constexpr std::int32_t Deleted = common::DeletedKind;
constexpr std::int32_t Track = 1;
constexpr std::int32_t RoundPad = 4;
constexpr std::int32_t SquarePad = 5;
constexpr std::int32_t OvalPad = 6;
constexpr std::int32_t RectPad = 7;
constexpr std::int32_t Hole = 8;
constexpr std::int32_t Circle = 9;
constexpr std::int32_t Text = common::TextKind;
}  // namespace ElementKind

// Layer codes as stored in the board file.
namespace BoardLayer {
constexpr std::int32_t Component = 0;
constexpr std::int32_t Solder = 1;
constexpr std::int32_t Silkscreen = 2;
constexpr std::int32_t Through = 3;  // pads and holes: both copper layers
}  // namespace BoardLayer

namespace PendingMove = common::PendingMove;

constexpr bool IsPad(std::int32_t kind) {
  return kind >= ElementKind::RoundPad && kind <= ElementKind::RectPad;
}

// Pads, holes and circles are placed by their centre alone; X2,Y2 mean nothing.
constexpr bool IsCentredShape(std::int32_t kind) {
  return kind >= ElementKind::RoundPad && kind <= ElementKind::Circle;
}

// One record of the element table, in millimetres from the sheet's top-left
// corner, y downwards.
struct BoardElement {
  std::int32_t Group = 0;  // 0 free; > 0 shared by one placed footprint
  std::int32_t Kind = ElementKind::Deleted;
  std::int32_t Layer = BoardLayer::Component;
  float Size = 0.0f;
  float X1 = 0.0f;
  float Y1 = 0.0f;
  float X2 = 0.0f;
  float Y2 = 0.0f;
  bool Selected = false;  // its copy in Pending is drawn instead; never saved
  std::string Text;       // UTF-8
  std::int32_t Angle = 0;
};

// One record of Pending: a working copy of an element (or a new one).
struct PendingItem {
  std::int32_t Index = 0;  // slot in Elements it copies; 0 for a new item
  std::int32_t Group = 0;
  std::int32_t Kind = ElementKind::Deleted;
  std::int32_t Layer = BoardLayer::Component;
  float Size = 0.0f;
  float X1 = 0.0f;
  float Y1 = 0.0f;
  float X2 = 0.0f;
  float Y2 = 0.0f;
  std::int32_t MoveMode = PendingMove::FirstPoint;
  bool Active = false;
  std::string Text;
  std::int32_t Angle = 0;
};

// The board's own field, for the shared element-table routines.
inline void CopyOwnFields(const BoardElement& from, PendingItem& to) { to.Layer = from.Layer; }
inline void CopyOwnFields(const PendingItem& from, BoardElement& to) { to.Layer = from.Layer; }

// Pads, holes and circles move their centre only; a text moves as a whole;
// a track moves the points its MoveMode names.
inline common::MovedPoints PointsMovedBy(const PendingItem& item) {
  if (IsCentredShape(item.Kind)) return {true, false};
  if (item.Kind == ElementKind::Text) return {true, true};
  return common::PointsOfMoveMode(item.MoveMode);
}

}  // namespace lyt
