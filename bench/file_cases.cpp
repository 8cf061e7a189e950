#include "bench/file_cases.h"

#include "bench/interleaved_timer.h"
#include "common/core/file_io.h"
#include "common/core/viewport.h"
#include "lyt/core/board_file.h"
#include "lyt/export/drill_writer.h"
#include "lyt/export/gerber_writer.h"

#include <cstdio>
#include <optional>

namespace bench {
namespace {

using namespace lyt;

constexpr float kGridStep = 1.27f;

// The baseline of every case: the same bytes moved from one buffer to
// another one at a time, nothing made of them: what handling each byte of
// the file once costs, at the least.
void MoveBytes(std::string_view from, std::string& to) {
  to.clear();
  to.reserve(from.size());
  for (char c : from) to.push_back(c);
}

// The Gerber files as the program writes them, in pieces as they are made,
// here into one buffer, and the drill file.
void ExportAll(const Board& board, std::string& out) {
  out.clear();
  GerberProblems problems;
  for (std::int32_t layer : {BoardLayer::Silkscreen, BoardLayer::Component, BoardLayer::Solder})
    WriteGerberLayer(board.Elements, layer, problems, [&out](std::string_view piece) {
      out += piece;
      return true;
    });
  if (std::optional<std::string> drill = ExportDrill(board.Elements)) out += *drill;
}

BenchResult Result(const char* what, const Board& board, const PairTiming& timing, double goal) {
  return {what, board.Elements.size(), timing.CaseSeconds * 1e3, timing.BaselineSeconds * 1e3,
          timing.Ratio, goal};
}

}  // namespace

std::vector<BenchResult> RunFileCases(const Board& board, const std::string& folder, int rounds) {
  std::vector<BenchResult> results;
  const std::string bytes = WriteDocument(board, kGridStep, kGridStep);
  const std::string path = folder + "/bench.Lyt";
  common::SaveFileAtomically(path, bytes);

  // Reading takes the file from the system's cache, as opening a file
  // just saved does.
  Board loaded;
  std::string moved;
  results.push_back(Result("read board file (text -> Elements)", board,
                           TimePair(
                               [&] {
                                 InitDocument(loaded);
                                 loaded.FileName = path;
                                 common::Viewport viewport(common::LytViewport);
                                 ReadDocument(loaded, viewport);
                               },
                               [&] { MoveBytes(bytes, moved); }, rounds),
                           8.0));
  if (loaded.Elements.size() != board.Elements.size()) std::fprintf(stderr, "board read wrong\n");

  std::string written;
  results.push_back(Result("write board file (Elements -> text)", board,
                           TimePair([&] { written = WriteDocument(board, kGridStep, kGridStep); },
                                    [&] { MoveBytes(bytes, moved); }, rounds),
                           5.0));

  std::string exported;
  ExportAll(board, exported);
  std::string files;
  results.push_back(Result("Gerber + drill export", board,
                           TimePair([&] { ExportAll(board, files); },
                                    [&] { MoveBytes(exported, moved); }, rounds),
                           4.0));
  return results;
}

}  // namespace bench
