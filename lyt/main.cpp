#include "lyt/ui/main_window.h"

int main(int argc, char** argv) {
  return common::RunProgram(argc, argv, "Lytplan", [](const QString& programFolder) {
    return std::make_unique<lyt::MainWindow>(programFolder);
  });
}
