#pragma once

#include "common/core/drawing_editor.h"
#include "skt/core/schematic.h"
#include "skt/core/symbols.h"
#include "skt/editor/schematic_controls.h"
#include "skt/editor/schematic_ui.h"

#include <cstdint>
#include <optional>
#include <string>

namespace skt {

using common::Key;
using common::MouseButton;
using common::MouseButtons;

// The schematic editor: the shared drawing editor with the schematic's
// tools, symbols, component library, mirrors, clipboard picture and print.
// Every menu command, button and drawing-area event enters here, and
// everything shown goes out through the UI port.
class SchematicEditor : public common::DrawingEditor<Schematic> {
 public:
  SchematicEditor(SchematicUi& ui, std::string programFolder);

  enum class Tool {
    Select, Wire, Bus, DottedLine, Junction, BusEntry, Ground, Earth,
    Plus5V, Minus5V, Arrow, SheetLink, Circle, Text, Component
  };
  Tool CurrentTool() const { return static_cast<Tool>(CurrentToolId()); }

  // Fichier
  void MnuImpression() override;
  // The page "Imprimer" prints on `printer`; true when it went out.
  bool Print(const std::string& printer);

  // Affichage
  void MnuPas() override;  // the grid-step input box

  // Edition (also the pop-up menu of a selection)
  void MnuRotation() override;
  void MnuHoriz();
  void MnuVertical();

  // The family chosen in ComboDossier: its components fill ComboEmp.
  void ComboDossierClick() { FillComponentList(); }

  // Clears the drawing area and draws the whole schematic again.
  void RedrawSchematic();

 protected:
  void Redraw() override { RedrawSchematic(); }
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
  void DropPaste() override;
  void Copied() override;

 private:
  void FillFolderList();
  void FillComponentList();
  // Element builders: each fills Pending at the origin and places it under
  // the pointer.
  void PrepareSymbol(Symbol symbol);
  void PrepareComponent();
  // Flips the active items about their centre, across a vertical line
  // (horizontal mirror) or a horizontal one.
  void Mirror(bool horizontal);
  void CopyPictureOfSelection();

  SchematicUi& schematicUi_;
};

}  // namespace skt
