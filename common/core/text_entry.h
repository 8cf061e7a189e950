#pragma once

#include "common/core/geometry.h"
#include "common/core/program.h"
#include "common/core/ui_port.h"
#include "common/core/viewport.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace common {

// The text dialog's height list: labels as shown (the entry marked "->" is
// the one selected when the dialog is created) and the heights behind them.
const std::vector<std::string>& TextSizeLabels(Program program);
int TextSizeInitialIndex(Program program);
const std::vector<float>& TextHeights();  // mm, by list index

// The height at a list index; the initially selected entry's when the index
// is out of range.
float TextHeightAt(Program program, int index);

// The list index showing `height` exactly; -1 when none does.
int TextSizeIndexOf(float height);

// Schematic texts stand 0.4 mm taller than their height; board texts do not.
float TextMargin(Program program);

// The running number the dialog's answer starts: the leading number of the
// start text rounded halves to even ("abc" starts at 0), or -1 without
// numbering. A negative start means no numbering too.
std::int32_t IncrementValueOf(const TextDialogAnswer& answer);

// The text followed by its running number, when there is one.
std::string NumberedText(const std::string& text, std::int32_t incrementValue);

// The second corner of a text at `first` whose length along its reading
// direction is `length` mm. An angle other than a quarter turn keeps `second`.
MmPoint TextFarCorner(MmPoint first, MmPoint second, std::int32_t angle, float height, float length,
                      float margin);

// What the dialog's answer makes of a text item: its text, height and second
// corner. The length goes through the pixels of the current zoom, as the
// text is drawn, so it varies slightly with the zoom.
struct TextExtent {
  std::string Text;
  float Height = 0.0f;
  MmPoint Second;
};

TextExtent ComputeTextEntry(const TextDialogAnswer& answer, std::int32_t incrementValue,
                            MmPoint first, MmPoint second, std::int32_t angle,
                            const Viewport& viewport, Program program);

// "Editer Texte": the text of the given height is opened in the dialog, with
// its height selected and no numbering. Nothing when the height is not in
// the list: the caller then shows EditTextError and changes nothing.
inline constexpr const char* EditTextError = " erreur dans MnuEditTexte";
std::optional<TextDialogRequest> EditTextRequest(const std::string& text, float height);

// Whether an answer gives a text: OK with something typed. An empty text is
// taken as a cancel, by the text tool and by "Editer Texte" alike.
bool GivesText(const TextDialogAnswer& answer);

}  // namespace common
