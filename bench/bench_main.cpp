// Times reading, writing and exporting boards, redrawing them and dragging a
// selection, each against its baseline or goal, on boards of 1k, 10k and
// 100k elements. `make bench` runs it; the exit code is 1 when a goal was
// missed. A first argument limits the boards to the first N sizes, a second
// one the cases to one family (files, redraw or move), for profiling.
#include "bench/bench_result.h"
#include "bench/board_maker.h"
#include "bench/file_cases.h"
#include "bench/move_cases.h"
#include "bench/redraw_cases.h"

#include <QApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

// A folder of its own for the files the cases write, removed at the end.
class ScratchFolder {
 public:
  ScratchFolder() {
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    path_ = std::filesystem::temp_directory_path() / ("lytskt-bench-" + std::to_string(ticks));
    std::filesystem::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
  }
  std::string Path() const { return path_.u8string(); }

 private:
  std::filesystem::path path_;
};

}  // namespace

int main(int argc, char** argv) {
  // No screen needed: the window is drawn off screen, as in the tests.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int boards = argc > 1 ? std::atoi(argv[1]) : 3;
  const std::string only = argc > 2 ? argv[2] : "";
  auto runs = [&only](const char* family) { return only.empty() || only == family; };
  constexpr int kRounds = 31;  // odd, for a true median; enough to outlast a burst of load
  ScratchFolder folder;
  std::vector<bench::BenchResult> results;
  std::size_t count = 1000;
  for (int b = 0; b < boards; ++b, count *= 10) {
    const lyt::Board board = bench::MakeBoard(count);
    std::printf("board of %zu elements\n", count);
    if (runs("files"))
      for (auto& r : bench::RunFileCases(board, folder.Path(), kRounds)) results.push_back(r);
    if (runs("redraw"))
      for (auto& r : bench::RunRedrawCases(board, kRounds)) results.push_back(r);
    if (runs("move"))
      for (auto& r : bench::RunMoveCases(board, folder.Path(), kRounds)) results.push_back(r);
  }
  std::printf("\n");
  return bench::PrintResults(results) ? 0 : 1;
}
