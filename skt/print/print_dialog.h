#pragma once

#include "common/ui/print_dialog_frame.h"
#include "skt/print/core/print_choice.h"

namespace skt {

// FormImpression: only the printer, as the sheet always prints whole, true
// to size and black.
class PrintDialog : public common::PrintDialogFrame {
  Q_OBJECT

 public:
  explicit PrintDialog(QWidget* parent = nullptr);

  void Run(const PrintDialogHandlers& handlers);

  // What the controls hold now.
  PrintChoice Choice() const;
};

}  // namespace skt
