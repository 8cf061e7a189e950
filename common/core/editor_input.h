#pragma once

#include <string>

namespace common {

enum class MouseButton { Left, Right, Middle };
// Keys acted on when pressed or released; typed characters go to KeyPress.
enum class Key { C, Escape, F5, Other };

// The wheel turns by this much per notch (eighths of a degree); finer wheels
// and touch pads send parts of it.
inline constexpr int WheelNotch = 120;

// Buttons held during a move.
struct MouseButtons {
  bool Left = false;
  bool Right = false;
};

// What a main window forwards to its editor, whichever program it is: the
// drawing area's mouse and keys (positions in drawing-area pixels), the
// window's size and scroll bars, the tool palette and the lists, start-up
// and closing, and the menu commands both programs have.
class EditorInput {
 public:
  virtual ~EditorInput() = default;

  // The document named on the command line (the arguments joined by spaces)
  // is read, if there is one.
  virtual void Start(const std::string& commandLine) = 0;
  // True when the program may end (Quit, or closing the window).
  virtual bool MnuQuitter() = 0;

  // Fichier
  virtual void MnuNouveau() = 0;
  virtual void MnuOuvrir() = 0;
  virtual void MnuEnreg() = 0;
  virtual void MnuEnregSous() = 0;
  virtual void MnuImpression() = 0;
  // Edition
  virtual void MnuAnnuler() = 0;
  virtual void MnuCouper() = 0;
  virtual void MnuCopier() = 0;
  virtual void MnuColler() = 0;
  virtual void MnuSuppr() = 0;
  virtual void MnuRotation() = 0;
  virtual void MnuEditTexte() = 0;
  // Affichage
  virtual void MnuGrille() = 0;
  virtual void MnuRester() = 0;
  virtual void MnuPas() = 0;
  virtual void MnuRafraichi() = 0;
  virtual void MnuZoomIn() = 0;
  virtual void MnuZoomOut() = 0;
  virtual void MnuZoomTout() = 0;
  // ?
  virtual void MnuAide() = 0;
  virtual void MnuAPropos() = 0;

  virtual void MouseDown(MouseButton button, bool shift, float x, float y) = 0;
  virtual void MouseMove(MouseButtons buttons, bool shift, float x, float y) = 0;
  virtual void MouseUp(MouseButton button, bool shift, float x, float y) = 0;
  virtual void DoubleClick() = 0;
  virtual void KeyDown(Key key, bool shift, bool ctrl, bool alt) = 0;
  virtual void KeyUp(Key key, bool shift, bool ctrl, bool alt) = 0;
  virtual void KeyPress(char character) = 0;
  // The wheel over the drawing area: `delta` is positive when turned away
  // from the user.
  virtual void MouseWheel(int delta, bool shift, bool ctrl) = 0;

  virtual void Resized() = 0;
  virtual void Scrolled(bool horizontal, int value) = 0;
  virtual void ScrollFocusChanged(bool focused) = 0;

  // A tool button of the palette was clicked, by its control name.
  virtual void ToolButton(const std::string& control) = 0;
  // One of the program's lists got the keyboard focus.
  virtual void ListFocused() = 0;
};

}  // namespace common
