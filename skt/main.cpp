#include "common/ui/program_start.h"
#include "skt/editor/schematic_outputs.h"
#include "skt/ui/main_window.h"

int main(int argc, char** argv) {
  return common::RunProgram(
      argc, argv, common::Program::Skt,
      [](const QString& programFolder) { return std::make_unique<skt::MainWindow>(programFolder); },
      skt::WriteSchematicOutput);
}
