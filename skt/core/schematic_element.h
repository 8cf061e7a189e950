#pragma once

#include "common/core/element_tables.h"

#include <cstdint>
#include <string>

namespace skt {

// Element kind codes as stored in the schematic file. 0 marks a deleted
// record; 6, 7 and 8 are never produced, neither drawn nor hit, but kept
// when a file holds them.
namespace ElementKind {
constexpr std::int32_t Deleted = common::DeletedKind;
constexpr std::int32_t Wire = 1;
constexpr std::int32_t Bus = 2;
constexpr std::int32_t BusEntry = 3;
constexpr std::int32_t DottedLine = 4;
constexpr std::int32_t Junction = 5;
// Unseen records of a library component, kept for a netlist: a pin's
// connection point (both points on it, Text its number) and the name of the
// part's footprint (Text "Empreinte=<name>").
constexpr std::int32_t Pin = 6;
constexpr std::int32_t Footprint = 7;
constexpr std::int32_t Circle = 9;
constexpr std::int32_t Text = common::TextKind;
}  // namespace ElementKind

namespace PendingMove = common::PendingMove;

// Wires, buses and dotted lines can be stretched by one end.
constexpr bool IsStretchableLine(std::int32_t kind) {
  return kind == ElementKind::Wire || kind == ElementKind::Bus || kind == ElementKind::DottedLine;
}

// Junctions and circles are placed by their centre alone; X2,Y2 stay 0.
constexpr bool IsCentredShape(std::int32_t kind) {
  return kind == ElementKind::Junction || kind == ElementKind::Circle;
}

// One record of the element table, in millimetres from the sheet's top-left
// corner, y downwards.
struct SchematicElement {
  std::int32_t Group = 0;  // 0 free; > 0 shared by one placed symbol or component
  std::int32_t Kind = ElementKind::Deleted;
  float Size = 0.0f;  // circle radius, text height
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
  float Size = 0.0f;
  float X1 = 0.0f;
  float Y1 = 0.0f;
  float X2 = 0.0f;
  float Y2 = 0.0f;
  std::string Text;
  std::int32_t Angle = 0;
  std::int32_t MoveMode = PendingMove::Whole;
  bool Active = false;
};

// A schematic record has no field beyond the shared ones.
inline void CopyOwnFields(const SchematicElement&, PendingItem&) {}
inline void CopyOwnFields(const PendingItem&, SchematicElement&) {}

// Wires, buses and dotted lines move the points their MoveMode names;
// junctions and circles their centre; bus entries and texts move whole.
inline common::MovedPoints PointsMovedBy(const PendingItem& item) {
  if (IsStretchableLine(item.Kind)) return common::PointsOfMoveMode(item.MoveMode);
  if (IsCentredShape(item.Kind)) return {true, false};
  return {true, true};
}

}  // namespace skt
