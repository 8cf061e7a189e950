#pragma once

#include "common/core/stroke_font.h"
#include "common/core/ui_port.h"
#include "common/core/viewport.h"
#include "lyt/core/board.h"
#include "lyt/print/core/print_choice.h"

#include <optional>
#include <string>

namespace lyt {

// The text of TextEchelle as a print scale: its leading number, refused
// (nothing) when it is 0, negative, above 3 or not a number.
std::optional<float> ReadPrintScale(const std::string& text);

// "Imprimer": checks the scale and the ticks, then prints the board on one
// page of the chosen printer. True when the page went out, which closes the
// dialog; otherwise the user has been told why and the dialog stays open.
// The view is only read: its zoom is the same afterwards on every path.
bool PrintBoard(const PrintChoice& choice, const Board& board,
                const common::Viewport& view, const common::StrokeFont& font,
                common::UiPort& ui);

// "Propriétés": the printer's set-up dialog, or a message when the printer
// cannot be opened.
void ShowPrinterProperties(const std::string& printer, common::UiPort& ui);

}  // namespace lyt
