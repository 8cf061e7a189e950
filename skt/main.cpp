#include "skt/ui/main_window.h"

int main(int argc, char** argv) {
  return common::RunProgram(argc, argv, "Sktplan", [](const QString& programFolder) {
    return std::make_unique<skt::MainWindow>(programFolder);
  });
}
