#include "export_test_support.h"
#include "gerbv_runner.h"
#include "lyt/editor/board_editor.h"
#include "support/scripted_board_ui.h"

#include <gtest/gtest.h>

#include <cmath>
#include <regex>

namespace {

using namespace export_tests;
namespace fs = std::filesystem;

// The files the export commands write, read back by gerbv: it must take
// every one without a complaint, and read the drill sizes and positions we
// meant (a misread number would drill the wrong holes).
class GerbvReadsOurFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    gerbv = Gerbv::Find();
    if (!gerbv) GTEST_SKIP() << "gerbv is not installed";
  }

  // Exports `board` as "<name>.Lyt" through the menu commands.
  void Export(const std::string& name, const std::vector<BoardElement>& board) {
    testing_support::ScriptedBoardUi ui;
    BoardEditor editor(ui, folder.Path().u8string());
    editor.Start("");
    editor.Document().Elements = board;
    editor.Document().FileName = folder.File(name + ".Lyt");
    editor.MnuGerber();
    editor.MnuExcellon();
    EXPECT_EQ(ui.MessageTexts().at(0), "Un fichier Gerber par couche a été créé.");
  }

  // gerbv's own export of `file` (rs274x or drill), checked for complaints.
  std::string ReadBack(const std::string& file, const char* format) {
    const fs::path out = folder.Path() / "relu" / (file + "." + format);
    fs::create_directories(out.parent_path());
    const std::string errors =
        gerbv->Run({"-x", format, "-o", out.string(), folder.File(file)}, out.string() + ".err");
    EXPECT_EQ(Gerbv::Complaints(errors), std::vector<std::string>()) << file << "\n" << errors;
    return board_tests::ReadBytes(out.string());
  }

  std::optional<Gerbv> gerbv;
  board_tests::TempFolder folder;
};

// gerbv tells a Gerber file by its apertures and coordinates, so it cannot
// open the (valid) file of a layer with nothing on it: the silkscreen of
// the example is the only such file here, and is left out.
TEST_F(GerbvReadsOurFiles, EveryGerberFileLoadsWithoutComplaint) {
  Export("exemple", ExampleBoard());
  Export("tout", EveryKindBoard());
  for (const char* file : {"exemple-Composant.gbr", "exemple-Soudure.gbr", "tout-Composant.gbr",
                           "tout-Soudure.gbr", "tout-Serig.gbr"}) {
    const std::string text = ReadBack(file, "rs274x");
    EXPECT_NE(text.find("M02*"), std::string::npos) << file;
  }
  // Texts, pads and circles did come through.
  const std::string silkscreen = ReadBack("tout-Serig.gbr", "rs274x");
  EXPECT_NE(silkscreen.find("G75*"), std::string::npos);
  EXPECT_GT(std::count(silkscreen.begin(), silkscreen.end(), '\n'), 1000);
  EXPECT_NE(ReadBack("tout-Soudure.gbr", "rs274x").find("D03*"), std::string::npos);
}

struct ReadDrill {
  std::vector<double> ToolsMm;
  std::vector<std::pair<double, double>> HolesMm;
};

// gerbv writes drill files in inches with four decimals and no point.
ReadDrill ParseGerbvDrill(const std::string& text) {
  ReadDrill read;
  EXPECT_NE(text.find("INCH"), std::string::npos) << text;
  const std::regex tool("T\\d+C([0-9.]+)");
  const std::regex hole("X(\\d+)Y(\\d+)");
  std::stringstream lines(text);
  std::string line;
  std::smatch match;
  while (std::getline(lines, line)) {
    if (std::regex_search(line, match, tool)) read.ToolsMm.push_back(std::stod(match[1]) * 25.4);
    if (std::regex_search(line, match, hole))
      read.HolesMm.emplace_back(std::stod(match[1]) / 1e4 * 25.4, std::stod(match[2]) / 1e4 * 25.4);
  }
  return read;
}

TEST_F(GerbvReadsOurFiles, DrillFileKeepsItsToolSizesAndPositions) {
  const std::vector<BoardElement> board = EveryKindBoard();
  Export("tout", board);
  const ReadDrill read = ParseGerbvDrill(ReadBack("tout.drl", "drill"));

  // 0.001 inch is gerbv's own resolution.
  const double inchStep = 0.0254;
  const std::vector<double> diameters = {0.8, 1.0, 3.2};
  ASSERT_EQ(read.ToolsMm.size(), diameters.size());
  for (std::size_t i = 0; i < diameters.size(); ++i)
    EXPECT_NEAR(read.ToolsMm[i], diameters[i], inchStep / 2) << "tool " << i + 1;

  std::vector<std::pair<double, double>> expected;
  for (const BoardElement& e : board)
    if (e.Kind == ElementKind::Hole) expected.emplace_back(e.X1, BoardHeight - e.Y1);
  ASSERT_EQ(read.HolesMm.size(), expected.size());
  // gerbv groups the holes by tool: match them as sets.
  for (const auto& [x, y] : expected) {
    const bool found = std::any_of(read.HolesMm.begin(), read.HolesMm.end(), [&](const auto& h) {
      return std::abs(h.first - x) < 0.003 && std::abs(h.second - y) < 0.003;
    });
    EXPECT_TRUE(found) << "hole at " << x << ", " << y;
  }
}

}  // namespace
