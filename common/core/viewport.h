#pragma once

#include "common/core/geometry.h"
#include "common/core/rounding.h"

#include <cstdint>

namespace common {

// What differs between the two programs' views.
struct ViewportConfig {
  std::int32_t Zoom;           // initial drawing-area pixels per grid step
  float GridStepX;             // initial steps, mm
  float GridStepY;
  float SheetWidth;            // drawable extent, mm
  float SheetHeight;
  float CentreMarkHalfLength;  // arm of the centre cross, mm
  bool OneGridStep;            // one step for both axes (schematic)
  int GridStepPanel;           // status panel of the (horizontal) grid step
  int CursorPanel;             // status panel of "X= "; "Y= " is the next one
};

inline constexpr ViewportConfig LytViewport{24, 1.27f, 1.27f, 269.24f, 195.58f, 2.54f, false, 2, 4};
inline constexpr ViewportConfig SktViewport{12, 1.0f, 1.0f, 285.0f, 195.0f, 2.0f, true, 1, 2};

// The grid steps the user may choose, in mm; a file's steps are brought
// into this range too.
inline constexpr float SmallestGridStep = 0.5f;
inline constexpr float LargestGridStep = 10.0f;

enum class ZoomDirection { In, Out };

// Millimetres to drawing-area pixels and back, the grid and the view state
// that goes with them. One per program, beside the document.
class Viewport {
 public:
  static constexpr std::int32_t MaxZoom = 96;

  explicit Viewport(const ViewportConfig& config);

  // New and Open: zoom, grid steps and both check marks back to the defaults.
  void ResetForNewDocument();

  const ViewportConfig& Config() const { return config_; }

  // Every change of the steps goes through here: the scale follows at once,
  // so that nothing drawn before the next layout uses the old one.
  void SetGridSteps(float stepX, float stepY);
  // The schematic's single step, stored in both axes' steps.
  float GridStep() const { return GridStepX; }
  void SetGridStep(float step) { SetGridSteps(step, step); }

  // Pixels per mm for the current zoom and step; Scale takes it at every
  // layout of the main window.
  double ScaleForZoom() const;

  // Inline: every figure of every redraw goes through it.
  std::int32_t MmToPixels(float mm) const { return RoundHalfEven(mm * Scale); }
  float PixelsToMm(std::int32_t pixels) const;
  // A pointer coordinate as the window reports it, in mm (not snapped).
  float PointerToMm(float pointerPixels) const;

  float GridRoundX(float mm) const;
  float GridRoundY(float mm) const;
  float SnapX(float mm) const;
  float SnapY(float mm) const;

  MmPoint SheetCentre() const;

  bool CanZoom(ZoomDirection direction) const;
  // Doubles or halves Zoom when the limits allow; false when it did nothing.
  bool StepZoom(ZoomDirection direction);

  std::int32_t Zoom;
  float GridStepX;
  float GridStepY;
  double Scale;
  float SheetWidth;
  float SheetHeight;
  PixelPoint DrawingOrigin;  // screen position of the drawing area's pixel (0, 0)
  bool ScrollFocus = false;  // a scroll bar has the keyboard focus
  bool CentringKey = false;  // 'C' is held down
  MmPoint LastDown;          // snapped point of the last left press
  bool ShowGrid = true;      // MnuGrille
  bool SnapToGrid = true;    // MnuRester

 private:
  ViewportConfig config_;
};

}  // namespace common
