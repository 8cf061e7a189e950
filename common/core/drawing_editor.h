#pragma once

#include "common/core/document_shell.h"
#include "common/core/editor_input.h"
#include "common/core/element_tables.h"
#include "common/core/glyph_table.h"
#include "common/core/program.h"
#include "common/core/stroke_font.h"
#include "common/core/ui_port.h"
#include "common/core/viewport.h"
#include "common/core/window_layout.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace common {

// What a left click in the drawing area does with a tool.
enum class ClickAction {
  Select,        // the selection tool: pick, drag, drop a paste
  Chain,         // ends the segment on the pointer and starts the next one
  FreeCopy,      // drops a copy of what is in hand as free elements
  NewGroup,      // drops a copy as a new group (footprints, symbols, components)
  NumberedText,  // drops the text, and the next copy carries the next number
};

// One row of a program's tool palette.
struct ToolRow {
  std::int32_t Id;       // the program's tool number; 0 is the selection tool
  const char* Control;   // its option button
  char Key;              // the lower-case character choosing it; 0 for none
  ClickAction Click;
  // Builds what the tool places and brings it under the pointer; empty for
  // chains and texts, whose items come from the NewItem hook.
  std::function<void()> Build;
};

// The facts that tell one program's editor from the other's.
struct EditorSettings {
  Program Which;
  ViewportConfig View;
  FontVariant Font;
  const char* FileFilter;
  // Edit commands a new document starts with disabled.
  std::vector<const char*> DisabledAtReset;
  // Edit commands that act on a selection: disabled when it is let go.
  std::vector<const char*> SelectionCommands;
};

// The drawing editor both programs are built on: the document with its
// tables, the view, the tool state machine and the commands that work the
// same way for a board and a schematic. Every window event enters here and
// everything shown goes out through the UI port. A program adds its tools
// (as rows), its element builders, hit testing, drawing and files through
// the hooks below.
template <class DocumentType>
class DrawingEditor : public ShellDocument, public EditorInput {
 public:
  using Item = typename DocumentType::ItemType;

  // EditorInput
  void Start(const std::string& commandLine) override;
  bool MnuQuitter() override;
  void MnuAide() override;
  void MouseDown(MouseButton button, bool shift, float x, float y) override;
  void MouseMove(MouseButtons buttons, bool shift, float x, float y) override;
  void MouseUp(MouseButton button, bool shift, float x, float y) override;
  void DoubleClick() override;
  void KeyDown(Key key, bool shift, bool ctrl, bool alt) override;
  void KeyUp(Key key, bool shift, bool ctrl, bool alt) override;
  void KeyPress(char character) override;
  // Scrolls up and down, with Shift left and right; with Ctrl zooms about
  // the pointer, one zoom step per notch.
  void MouseWheel(int delta, bool shift, bool ctrl) override;
  void Resized() override;
  void Scrolled(bool horizontal, int value) override;
  void ScrollFocusChanged(bool focused) override;
  void ToolButton(const std::string& control) override;
  void ListFocused() override;
  void MouseMove(float x, float y) { MouseMove(MouseButtons{}, false, x, y); }

  // Fichier
  void MnuNouveau() override;
  void MnuOuvrir() override;
  void MnuEnreg() override;
  void MnuEnregSous() override;

  // Affichage
  void MnuGrille() override;
  void MnuRester() override;
  void MnuRafraichi() override;
  void MnuZoomIn() override;
  void MnuZoomOut() override;
  // The largest zoom showing every live element, centred on them.
  void MnuZoomTout() override;

  // Edition (also the pop-up menu of a selection)
  void MnuAnnuler() override;
  void MnuCouper() override;
  void MnuCopier() override;
  void MnuColler() override;
  void MnuSuppr() override;
  // The text of the one text in hand.
  void MnuEditTexte() override;

  // ?
  void MnuAPropos() override;

  // ShellDocument
  bool IsEmpty() const override { return document_.Elements.empty(); }
  bool IsModified() const override { return document_.Modified; }
  void ClearModified() override { document_.Modified = false; }
  const std::string& FileName() const override { return document_.FileName; }
  void SetFileName(const std::string& path) override { document_.FileName = path; }
  const std::string& CaptionPrefix() const override { return document_.CaptionPrefix; }
  FileDialogSettings DialogSettings() const override;
  bool Write() override;
  void Reset() override;
  void Read() override;

  // An output asked on the command line, with no window: reads `path` as
  // the document. True when the whole file was read; otherwise the user has
  // been told why.
  bool LoadForOutput(const std::string& path);

  std::int32_t CurrentToolId() const { return tool_; }
  bool BoxSelecting() const { return boxSelecting_; }
  std::int32_t IncrementValue() const { return incrementValue_; }

  DocumentType& Document() { return document_; }
  const DocumentType& Document() const { return document_; }
  Viewport& View() { return viewport_; }
  const Viewport& View() const { return viewport_; }
  const WindowLayout& Layout() const { return layout_; }

 protected:
  DrawingEditor(UiPort& ui, std::string programFolder, EditorSettings settings);

  // ---- hooks: what each program does its own way ----
  // Clears the drawing area and draws the whole drawing again.
  virtual void Redraw() = 0;
  // Draws (or, drawn again, erases) the active items in hand.
  virtual void DrawPending() = 0;
  virtual Colour PreviewColour() const = 0;
  // The program's part of InitDocument: its document fields, lists, buttons
  // and status panels.
  virtual void ResetDocument() = 0;
  virtual void ResetWindowLists() = 0;
  // Reads FileName into the reset document, telling the user of a failure;
  // true when the whole file was read.
  virtual bool ReadFile() = 0;
  // Writes the document to FileName; true when written.
  virtual bool WriteFile() = 0;
  // The new item a chain tool starts at each click, or the text tool places
  // (before the dialog's answer is applied), at the origin.
  virtual Item NewItem(std::int32_t tool) = 0;
  // Picks the elements of the box PickPoint–PickCorner into Pending.
  virtual void SelectInBox(bool shift) = 0;
  // The box of every live element as drawn, in mm; nothing when none is.
  virtual std::optional<MmBox> DrawingExtent() const = 0;
  // The edit commands that depend on what is in hand.
  virtual void UpdateEditMenus() = 0;
  // A typed character that is neither a zoom key nor a tool's key.
  virtual void CommandKey(char character) = 0;
  // The first click after a paste, with the selection tool.
  virtual void DropPaste();
  // A block was just copied into ClipBuffer.
  virtual void Copied() {}

  // ---- shared routines for the program's commands ----
  void InitDocument();
  void SetTools(std::vector<ToolRow> tools) { tools_ = std::move(tools); }
  void ChooseTool(std::int32_t tool);
  void CancelTool();
  void StopTool();
  // ReleasePending, and the selection commands it disables.
  void ReleaseSelection();
  // BeginPlacement at the (snapped) pointer, with its preview.
  void PlaceUnderPointer();
  // Moves what is in hand with the pointer (pixels); `start` only anchors.
  void MovePending(float x, float y, bool start);
  void SelectAtPoint(float x, float y, bool shift);
  void CycleSelection();
  // A held selection's moves and edits into Elements; it stays in hand.
  void WriteBackSelection();
  // Paste and undo hand the block to the selection tool.
  void UseSelectionTool();
  void ShiftSelectionBox(double dx, double dy);
  bool InSelectionBox(MmPoint point) const;
  MmPoint Snapped(float x, float y) const;
  void LayOut();
  const ToolRow* FindTool(std::int32_t tool) const;

  UiPort& ui_;
  std::string programFolder_;
  EditorSettings settings_;
  DocumentType document_;
  Viewport viewport_;
  StrokeFont font_;
  WindowLayout layout_;

  std::int32_t tool_ = 0;
  MmPoint pickCorner_;   // second corner of the selection band (PickPoint is the first)
  MmPoint dragOrigin_;   // last snapped pointer position of a move
  bool boxSelecting_ = false;
  std::int32_t cycleIndex_ = 0;
  std::int32_t incrementValue_ = 0;  // number of the next placed text; -1: none
  TextDialogAnswer textEntry_;       // the text dialog's last answer

 private:
  void Zoom(ZoomDirection direction);
  // The pointer while it is over the visible drawing, else the middle of
  // the view: what a zoom keeps in place.
  PixelPoint ZoomCentre() const;
  void ScrollView(bool horizontal, std::int64_t pixels);
  // Zoom Tout without the redraw; a board without elements shows the sheet.
  void FrameDrawing();
  bool ShowsWholeDrawing() const;
  void DrawBand();
  void StretchBand(MouseButtons buttons, bool shift, float x, float y);
  void ClickWithSelectionTool(float x, float y, bool shift);
  void StartLine(float x, float y);
  void DropNumberedText();
  void StartTextTool();
  void PrepareText();
  // Writes the text dialog's last answer into a text item: its text (with
  // the running number), height and far corner.
  void ApplyTextEntry(Item& item);
  ClickAction CurrentClick() const;
  bool IsPlacingTool() const;

  std::vector<ToolRow> tools_;
  // The view is framed by Zoom Tout and not moved since: a new window size
  // (a window manager maximising the window after start-up) frames it again.
  bool viewFramed_ = false;
  int wheelZoom_ = 0;  // wheel turned with Ctrl, short of a notch
};

}  // namespace common

#include "common/core/drawing_editor_impl.h"
