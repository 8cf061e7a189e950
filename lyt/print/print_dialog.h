#pragma once

#include "lyt/print/core/print_choice.h"

#include <QDialog>
#include <QString>

#include <memory>
#include <string>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPrinter;
class QRadioButton;

namespace lyt {

// FormImpression: the printer, black or colour, the layers and the scale.
// Made once and only hidden afterwards, so every setting lasts while the
// program runs. The printer list holds the system's printers and one entry
// that prints to a PDF file.
class PrintDialog : public QDialog {
  Q_OBJECT

 public:
  explicit PrintDialog(QWidget* parent = nullptr);
  ~PrintDialog() override;

  // Shows the dialog modally: its buttons call the handlers, until a page is
  // printed or "Annuler" is clicked.
  void Run(const lyt::PrintDialogHandlers& handlers);

  // What the controls hold now.
  lyt::PrintChoice Choice() const;

  // The set-up dialog of a printer of the list (which becomes the current
  // one); false when it cannot be opened.
  bool ShowProperties(const std::string& printer);

  // One page on a printer of the list; for the PDF entry, the file name is
  // asked first.
  common::PrintOutcome PrintPage(const common::PrintJob& job, const common::PageDrawer& draw);

  // The entry of ComboPrinter that writes a PDF file.
  static QString PdfEntry();

 private:
  void BuildControls();
  void FillPrinterList();
  // The entry of the list named `printer` becomes the current printer; false
  // when there is no such entry.
  bool SelectPrinter(const std::string& printer);
  void PrinterChosen(int index);
  bool PdfChosen() const;
  // Asks where to write the PDF; false when the user gives up.
  bool ChoosePdfFile(const common::PrintJob& job);

  QComboBox* comboPrinter_ = nullptr;
  QRadioButton* optNoir_ = nullptr;
  QRadioButton* optCouleur_ = nullptr;
  QCheckBox* checkComposants_ = nullptr;
  QCheckBox* checkSoudures_ = nullptr;
  QCheckBox* checkSerig_ = nullptr;
  QCheckBox* checkPercage_ = nullptr;
  QLineEdit* textEchelle_ = nullptr;
  lyt::PrintDialogHandlers handlers_;
  std::unique_ptr<QPrinter> printer_;  // the current printer, with its set-up
  QString pdfPath_;                    // the last PDF file written
};

}  // namespace lyt
