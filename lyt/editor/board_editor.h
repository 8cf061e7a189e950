#pragma once

#include "common/core/drawing_editor.h"
#include "lyt/core/board.h"
#include "lyt/core/board_renderer.h"
#include "lyt/editor/board_controls.h"
#include "lyt/editor/board_ui.h"

#include <cstdint>
#include <optional>
#include <string>

namespace lyt {

using common::Key;
using common::MouseButton;
using common::MouseButtons;

// The board editor: the shared drawing editor with the board's tools, layers,
// size lists, footprints, edit commands and outputs. Every menu command,
// button and drawing-area event enters here, and everything shown goes out
// through the UI port.
class BoardEditor : public common::DrawingEditor<Board> {
 public:
  BoardEditor(BoardUi& ui, std::string programFolder);

  enum class Tool { Select, Track, RoundPad, SquarePad, OvalPad, RectPad, Hole, Circle, Text, Footprint };
  Tool CurrentTool() const { return static_cast<Tool>(CurrentToolId()); }

  // Fichier
  void MnuImpression() override;
  void MnuGerber() { WriteGerberFiles(); }
  void MnuExcellon() { WriteDrillFile(); }

  // The outputs, as the menu and the print dialog make them; true when the
  // files (or the page) were written, otherwise the user has been told why.
  bool WriteGerberFiles();
  bool WriteDrillFile();
  bool Print(const PrintChoice& choice);

  // Affichage
  void MnuComposant();
  void MnuSoudure();
  void MnuSerig();
  void MnuPas() override;  // the grid-step dialog

  // Edition (also the pop-up menu of a selection)
  void MnuRotation() override;
  void MnuChanger();
  void MnuInfo();

  // Tool option buttons.
  void OptSelect() { ToolButton(control::OptSelect); }
  void OptPiste() { ToolButton(control::OptPiste); }
  void OptPastilleR() { ToolButton(control::OptPastilleR); }
  void OptPastilleC() { ToolButton(control::OptPastilleC); }
  void OptPastilleOH() { ToolButton(control::OptPastilleOH); }
  void OptPastilleRect() { ToolButton(control::OptPastilleRect); }
  void OptTrou() { ToolButton(control::OptTrou); }
  void OptRond() { ToolButton(control::OptRond); }
  void OptTexte() { ToolButton(control::OptTexte); }
  void OptEmp() { ToolButton(control::OptEmp); }

  // Layer option buttons.
  void OptComposant();
  void OptSoudure();
  void OptSerig();

  // Clears the drawing area and draws the whole board again.
  void RedrawBoard();

  const LayerView& Layers() const { return layers_; }

 protected:
  void Redraw() override { RedrawBoard(); }
  void DrawPending() override;
  common::Colour PreviewColour() const override { return document_.Colours.PreviewColour; }
  void ResetDocument() override;
  void ResetWindowLists() override;
  bool ReadFile() override;
  bool WriteFile() override;
  PendingItem NewItem(std::int32_t tool) override;
  void SelectInBox(bool shift) override;
  std::optional<common::MmBox> DrawingExtent() const override;
  void UpdateEditMenus() override;
  void CommandKey(char character) override;

 private:
  void FillSizeLists();
  void FillFootprintList();
  void SelectLayer(int layer);
  void ToggleLayerShown(int layer);
  // Element builders: each fills Pending at the origin and places it under
  // the pointer.
  void BuildPad(std::int32_t kind);
  void BuildHole();
  void BuildCircle();
  void PrepareFootprint();

  BoardUi& boardUi_;
  LayerView layers_;
};

}  // namespace lyt
