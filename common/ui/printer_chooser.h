#pragma once

#include "common/core/ui_port.h"

#include <QMetaObject>
#include <QString>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QBoxLayout;
class QComboBox;
class QPrinter;
class QWidget;

namespace common {

// The printer row of a print dialog: "Impression avec  :" (Label1), the list
// of the system's printers with one more entry that writes a PDF file
// (ComboPrinter) and, where the dialog has it, the "Propriétés" button
// (Command1). It keeps the current printer with its set-up while the dialog
// lives, so a printer chosen once stays chosen, and prints pages on it.
class PrinterChooser {
 public:
  enum class PropertiesButton { Shown, Hidden };

  // Makes the controls as children of `dialog` and adds their row to
  // `layout`. The system's default printer is chosen, or the PDF file when
  // there is no printer.
  PrinterChooser(QWidget& dialog, QBoxLayout& layout, PropertiesButton button);
  ~PrinterChooser();
  PrinterChooser(const PrinterChooser&) = delete;
  PrinterChooser& operator=(const PrinterChooser&) = delete;

  // The entry chosen in ComboPrinter.
  std::string Printer() const;

  // What a click on "Propriétés" calls, with the chosen entry; none: nothing.
  void OnProperties(std::function<void(const std::string&)> handler);

  // The set-up dialog of a printer of the list, which becomes the current
  // one; false when it cannot be opened.
  bool ShowProperties(const std::string& printer);

  // One page on a printer of the list, set up as `job` says; for the PDF
  // entry the file name is asked first.
  PrintOutcome PrintPage(const PrintJob& job, const PageDrawer& draw);

  // The entry of ComboPrinter that writes a PDF file.
  static QString PdfEntry();

 private:
  void FillList();
  void Chosen(int index);
  bool PdfChosen() const;
  // The entry named `printer` becomes the current printer; false when there
  // is no such entry.
  bool Select(const std::string& printer);
  // Asks where to write the PDF; false when the user gives up.
  bool ChoosePdfFile(const PrintJob& job);

  QWidget& dialog_;
  QComboBox* list_ = nullptr;
  std::function<void(const std::string&)> properties_;
  std::unique_ptr<QPrinter> printer_;  // the current printer, with its set-up
  QString pdfPath_;                    // the last PDF file written
  std::vector<QMetaObject::Connection> connections_;
};

}  // namespace common
