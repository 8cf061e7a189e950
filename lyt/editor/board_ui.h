#pragma once

#include "common/core/colour.h"
#include "common/core/ui_port.h"
#include "lyt/print/core/print_choice.h"

#include <functional>
#include <string>

namespace lyt {

// What the board editor asks of its window beyond the shared part.
class BoardUi : public virtual common::UiPort {
 public:
  // The colour of the small shape Shape1 showing the current layer.
  virtual void SetShapeColour(common::Colour colour) = 0;
  // The grid-step dialog, modal, showing the two steps; OK calls `accept`
  // with the two texts, and the dialog closes only when it returns true.
  virtual void ShowGridStepDialog(
      const std::string& stepX, const std::string& stepY,
      const std::function<bool(const std::string&, const std::string&)>& accept) = 0;
  // The print dialog, modal; made on first use and kept, so its printer,
  // options, ticks and scale last while the program runs. Its buttons call
  // the handlers; "Annuler" hides it.
  virtual void ShowPrintDialog(const PrintDialogHandlers& handlers) = 0;
};

}  // namespace lyt
