#pragma once

#include "common/core/document_shell.h"
#include "common/core/stroke_font.h"
#include "lyt/editor/board_ui.h"
#include "common/core/viewport.h"
#include "common/core/window_layout.h"
#include "lyt/core/board.h"
#include "lyt/core/board_renderer.h"

#include <cstdint>
#include <string>

namespace lyt {

enum class MouseButton { Left, Right, Middle };
// Keys acted on when pressed or released; typed characters go to KeyPress.
enum class Key { C, Escape, F5, Other };

// Buttons held during a move.
struct MouseButtons {
  bool Left = false;
  bool Right = false;
};

// The board editor as the window sees it: every menu command, button and
// drawing-area event enters here, and everything shown goes out through the
// UI port. Holds the document, the view and the tool state.
class BoardEditor : public common::ShellDocument {
 public:
  BoardEditor(BoardUi& ui, std::string programFolder);

  // Start-up: the document is reset, then the file named on the command line
  // (the arguments joined by spaces) is read, if there is one.
  void Start(const std::string& commandLine);

  // Fichier
  void MnuNouveau();
  void MnuOuvrir();
  void MnuEnreg();
  void MnuEnregSous();
  bool MnuQuitter();  // true: the program may end (also closing the window)
  void MnuImpression();
  void MnuGerber();
  void MnuExcellon();

  // Affichage
  void MnuGrille();
  void MnuRester();
  void MnuRafraichi();
  void MnuComposant();
  void MnuSoudure();
  void MnuSerig();
  void MnuZoomIn();
  void MnuZoomOut();

  void MnuPas();  // the grid-step dialog

  // Edition (also the pop-up menu of a selection)
  void MnuAnnuler();
  void MnuCouper();
  void MnuCopier();
  void MnuColler();
  void MnuSuppr();
  void MnuRotation();
  void MnuChanger();
  void MnuEditTexte();
  void MnuInfo();

  // ?
  void MnuAPropos();

  // Tool option buttons.
  void OptSelect();
  void OptPiste();
  void OptPastilleR();
  void OptPastilleC();
  void OptPastilleOH();
  void OptPastilleRect();
  void OptTrou();
  void OptRond();
  void OptTexte();
  void OptEmp();
  // One of the size or footprint lists gets the keyboard focus.
  void ListFocused();

  // Layer option buttons.
  void OptComposant();
  void OptSoudure();
  void OptSerig();

  // Drawing area and window events (pixels of the drawing area).
  void MouseDown(MouseButton button, bool shift, float x, float y);
  void MouseMove(MouseButtons buttons, bool shift, float x, float y);
  void MouseUp(MouseButton button, bool shift, float x, float y);
  void DoubleClick();
  void MouseMove(float x, float y) { MouseMove(MouseButtons{}, false, x, y); }
  void KeyPress(char character);
  void KeyDown(Key key, bool shift, bool ctrl, bool alt);
  void KeyUp(Key key, bool shift, bool ctrl, bool alt);
  void Resized();
  void Scrolled(bool horizontal, int value);
  void ScrollFocusChanged(bool focused);

  // Clears the drawing area and draws the whole board again.
  void RedrawBoard();

  // Selection (selection tool).
  void SelectAtPoint(float x, float y);
  void SelectInBox();
  void CycleSelection();
  void UpdateEditMenus();

  // Tools: end the current one, with or without writing a moved selection back.
  void CancelTool();
  void StopTool();
  // Element creators: each fills Pending at the origin and places it under
  // the pointer.
  void BuildPad(std::int32_t kind);
  void BuildHole();
  void BuildCircle();
  void PrepareText();
  void StartTrack(float x, float y);
  void PrepareFootprint();
  void FillFootprintList();
  // Moves what is in hand with the pointer (pixels); `start` only anchors.
  void MovePending(float x, float y, bool start);
  // Draws (or, drawn again, erases) the active items in hand.
  void DrawPending();
  // Writes the text dialog's last answer into a text item: its text (with
  // the running number), height and far corner.
  void ApplyTextEntry(PendingItem& item);

  // ShellDocument
  bool IsEmpty() const override { return board_.Elements.empty(); }
  bool IsModified() const override { return board_.Modified; }
  void ClearModified() override { board_.Modified = false; }
  const std::string& FileName() const override { return board_.FileName; }
  void SetFileName(const std::string& path) override { board_.FileName = path; }
  const std::string& CaptionPrefix() const override { return board_.CaptionPrefix; }
  common::FileDialogSettings DialogSettings() const override;
  bool Write() override;
  void Reset() override;
  void Read() override;

  enum class Tool { Select, Track, RoundPad, SquarePad, OvalPad, RectPad, Hole, Circle, Text, Footprint };
  Tool CurrentTool() const { return tool_; }
  bool BoxSelecting() const { return boxSelecting_; }
  std::int32_t IncrementValue() const { return incrementValue_; }

  Board& Document() { return board_; }
  const Board& Document() const { return board_; }
  common::Viewport& View() { return viewport_; }
  const common::Viewport& View() const { return viewport_; }
  const common::WindowLayout& Layout() const { return layout_; }
  const LayerView& Layers() const { return layers_; }

 private:
  void InitDocument();
  void DisableEditCommands();
  void FillSizeLists();
  void SelectLayer(int layer);
  void ToggleLayerShown(int layer);
  void LayOut();
  void Zoom(common::ZoomDirection direction);
  void StartTool(Tool tool);
  void SelectToolButton(Tool tool);
  void ReleaseSelection();  // ReleasePending and the edit menus it disables
  void PlaceUnderPointer();  // BeginPlacement at the pointer, with its preview
  void DrawBand();
  void ShiftSelectionBox(float dx, float dy);
  void WriteBackSelection();
  void UseSelectionTool();  // a held selection's changes into Elements
  bool InSelectionBox(common::MmPoint point) const;
  bool IsPlacingTool() const;
  common::MmPoint Snapped(float x, float y) const;

  BoardUi& ui_;
  std::string programFolder_;
  Board board_;
  common::Viewport viewport_;
  common::StrokeFont font_;
  common::WindowLayout layout_;
  LayerView layers_;

  // Tool state.
  Tool tool_ = Tool::Select;
  MmPoint pickCorner_;      // second corner of the selection band (PickPoint is the first)
  MmPoint dragOrigin_;      // last snapped pointer position of a move
  bool boxSelecting_ = false;
  std::int32_t cycleIndex_ = 0;
  std::int32_t incrementValue_ = 0;  // number of the next placed text; -1: none
  common::TextDialogAnswer textEntry_;  // the text dialog's last answer
};

}  // namespace lyt
