#pragma once

#include "common/core/document_shell.h"
#include "common/core/stroke_font.h"
#include "common/core/ui_port.h"
#include "common/core/viewport.h"
#include "common/core/window_layout.h"
#include "lyt/core/board.h"
#include "lyt/core/board_renderer.h"

#include <string>

namespace lyt {

// The board editor as the window sees it: every menu command, button and
// drawing-area event enters here, and everything shown goes out through the
// UI port. Holds the document, the view and the tool state.
class BoardEditor : public common::ShellDocument {
 public:
  BoardEditor(common::UiPort& ui, std::string programFolder);

  // Start-up: the document is reset, then the file named on the command line
  // (the arguments joined by spaces) is read, if there is one.
  void Start(const std::string& commandLine);

  // Fichier
  void MnuNouveau();
  void MnuOuvrir();
  void MnuEnreg();
  void MnuEnregSous();
  bool MnuQuitter();  // true: the program may end (also closing the window)

  // Affichage
  void MnuGrille();
  void MnuRester();
  void MnuRafraichi();
  void MnuComposant();
  void MnuSoudure();
  void MnuSerig();
  void MnuZoomIn();
  void MnuZoomOut();

  // ?
  void MnuAPropos();

  // Layer option buttons.
  void OptComposant();
  void OptSoudure();
  void OptSerig();

  // Drawing area and window events (pixels of the drawing area).
  void MouseMove(float x, float y);
  void KeyPress(char character);
  void KeyDown(char key, bool shift, bool ctrl, bool alt);
  void KeyUp(char key, bool shift, bool ctrl, bool alt);
  void Resized();
  void Scrolled(bool horizontal, int value);
  void ScrollFocusChanged(bool focused);

  // Clears the drawing area and draws the whole board again.
  void RedrawBoard();

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

  Board& Document() { return board_; }
  const Board& Document() const { return board_; }
  common::Viewport& View() { return viewport_; }
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

  common::UiPort& ui_;
  std::string programFolder_;
  Board board_;
  common::Viewport viewport_;
  common::StrokeFont font_;
  common::WindowLayout layout_;
  LayerView layers_;
};

}  // namespace lyt
