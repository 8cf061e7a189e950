#include "common/ui/program_start.h"
#include "lyt/editor/board_outputs.h"
#include "lyt/ui/main_window.h"

int main(int argc, char** argv) {
  return common::RunProgram(
      argc, argv, common::Program::Lyt,
      [](const QString& programFolder) { return std::make_unique<lyt::MainWindow>(programFolder); },
      lyt::WriteBoardOutput);
}
