#include "board_test_support.h"
#include "lyt/core/board_file.h"
#include "lyt/core/footprint_library.h"
#include "support/scripted_ui.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>

namespace {

using board_tests::fs::u8path;

class FootprintLibrary : public ::testing::Test {
 protected:
  board_tests::fs::path Library() const { return folder.Path() / "empreintes"; }
  void Touch(const std::string& name) {
    board_tests::fs::create_directories(Library());
    board_tests::WriteBytes((Library() / u8path(name)).u8string(), "\"EMP 3\"\r\n1.27,1.27\r\n");
  }
  std::vector<std::string> Names() const { return lyt::ListFootprintNames(folder.Path().u8string()); }

  board_tests::TempFolder folder;
};

TEST_F(FootprintLibrary, MissingOrEmptyFolderListsNothing) {
  EXPECT_TRUE(Names().empty());
  board_tests::fs::create_directories(Library());
  EXPECT_TRUE(Names().empty());
}

TEST_F(FootprintLibrary, ListsFootprintFilesByNameSortedIgnoringCase) {
  // "c.eMp" and "c.emp" both exist on a case-sensitive file system; the
  // reader opens one file for the name, so it is offered once.
  for (const char* name : {"b.emp", "Zeta.Emp", "A.EMP", "alpha.Emp", "Résistance.Emp", "c.eMp", "c.emp"})
    Touch(name);
  EXPECT_EQ(Names(), (std::vector<std::string>{"A", "alpha", "b", "c", "Résistance", "Zeta"}));
}

TEST_F(FootprintLibrary, IgnoresWhatIsNotAFootprintFile) {
  Touch("pad.Emp");
  for (const char* name : {"notes.txt", "carte.Lyt", "pad.Emp.bak", "emp", "xemp", ".Emp"}) Touch(name);
  board_tests::fs::create_directories(Library() / "dossier.Emp");
  EXPECT_EQ(Names(), std::vector<std::string>{"pad"});
}

// The footprints shipped with the program, read from the source tree.
struct Shipped {
  const char* Name;
  std::size_t Pads;
  std::int32_t PadOneKind;
  float HoleRadius;
  float PadOneToTwo;   // centre distances, mm
  float PadOneToLast;
};
void PrintTo(const Shipped& shipped, std::ostream* out) { *out << shipped.Name; }

class FootprintLibraryShipped : public ::testing::TestWithParam<Shipped> {};

TEST_P(FootprintLibraryShipped, LoadsAsTheEditorWritesItWithPadOneFirst) {
  using namespace lyt;
  const Shipped& shipped = GetParam();
  const std::string programFolder = std::string(LYTSKT_SOURCE_DIR) + "/library";
  testing_support::ScriptedUi ui;
  Board board;
  ASSERT_TRUE(ReadFootprint(board, programFolder, shipped.Name, ui)) << ui.MessageTexts().front();

  std::vector<PendingItem> pads;
  int outline = 0;
  Board written;
  written.FileName = shipped.Name + std::string(".Emp");
  for (const PendingItem& item : board.Pending) {
    if (item.Kind >= ElementKind::RoundPad && item.Kind <= ElementKind::RectPad) {
      pads.push_back(item);
      bool drilled = false;  // every pad has its hole at its centre
      for (const PendingItem& hole : board.Pending)
        drilled |= hole.Kind == ElementKind::Hole && hole.X1 == item.X1 && hole.Y1 == item.Y1 &&
                   hole.Size == shipped.HoleRadius;
      EXPECT_TRUE(drilled) << item.X1 << "," << item.Y1;
    }
    outline += item.Kind == ElementKind::Track && item.Layer == BoardLayer::Silkscreen;
    written.Elements.push_back(board_tests::Element(0, item.Kind, item.Layer, item.Size, item.X1, item.Y1,
                                                    item.X2, item.Y2, item.Text, item.Angle));
  }
  ASSERT_EQ(pads.size(), shipped.Pads);
  EXPECT_EQ(board.Pending.front().Kind, shipped.PadOneKind) << "pad 1 is the handle";
  auto distance = [&](const PendingItem& a, const PendingItem& b) {
    return std::hypot(a.X1 - b.X1, a.Y1 - b.Y1);
  };
  EXPECT_NEAR(distance(pads[0], pads[1]), shipped.PadOneToTwo, 1e-4f);
  EXPECT_NEAR(distance(pads[0], pads.back()), shipped.PadOneToLast, 1e-4f);
  EXPECT_GT(outline, 0);
  EXPECT_EQ(lyt::WriteDocument(written, 1.27f, 1.27f),
            board_tests::ReadBytes(programFolder + "/empreintes/" + shipped.Name + ".Emp"));
}

INSTANTIATE_TEST_SUITE_P(
    Library, FootprintLibraryShipped,
    ::testing::Values(Shipped{"DIP-8", 8, lyt::ElementKind::SquarePad, 0.4f, 2.54f, 7.62f},
                      Shipped{"Resistance-10.16", 2, lyt::ElementKind::RoundPad, 0.5f, 10.16f, 10.16f},
                      Shipped{"TO-92", 3, lyt::ElementKind::SquarePad, 0.4f, 2.54f, 5.08f}),
    [](const ::testing::TestParamInfo<Shipped>& info) {
      std::string name = info.param.Name;
      for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
      return name;
    });

}  // namespace
