#include "support/board_test_support.h"
#include "lyt/core/board_file.h"
#include "lyt/core/footprint_library.h"

#include <cmath>

namespace {

using namespace lyt;
using Names = std::vector<std::string>;

class FootprintLibrary : public ::testing::Test {
 protected:
  board_tests::fs::path Library() const { return folder.Path() / "empreintes"; }
  void Touch(const std::string& name) {
    board_tests::fs::create_directories(Library());
    board_tests::WriteBytes((Library() / board_tests::fs::u8path(name)).u8string(),
                            "\"EMP 3\"\r\n1.27,1.27\r\n");
  }
  Names List() const { return ListFootprintNames(folder.Path().u8string()); }

  board_tests::TempFolder folder;
};

TEST_F(FootprintLibrary, ListsFootprintFilesByNameSortedIgnoringCase) {
  EXPECT_TRUE(List().empty()) << "no folder";
  board_tests::fs::create_directories(Library() / "dossier.Emp");
  for (const char* name : {"notes.txt", "carte.Lyt", "pad.Emp.bak", "emp", "xemp", ".Emp"}) Touch(name);
  EXPECT_TRUE(List().empty()) << "nothing but other files";
  // "c.eMp" and "c.emp" both exist on a case-sensitive file system; the
  // reader opens one file for the name, so it is offered once.
  for (const char* name : {"b.emp", "Zeta.Emp", "A.EMP", "alpha.Emp", "Résistance.Emp", "c.eMp", "c.emp"})
    Touch(name);
  EXPECT_EQ(List(), (Names{"A", "alpha", "b", "c", "Résistance", "Zeta"}));
}

// The footprints shipped with the program, read from the source tree.
struct Shipped {
  const char* Name;
  std::size_t Pads;
  std::int32_t PadOneKind;
  float HoleRadius;
  float PadOneToTwo, PadOneToLast;  // centre distances, mm
};

TEST(FootprintLibraryShipped, LoadsAsTheEditorWritesItWithPadOneFirst) {
  const std::string programFolder = std::string(LYTSKT_SOURCE_DIR) + "/library";
  for (const Shipped& shipped :
       {Shipped{"DIP-8", 8, ElementKind::SquarePad, 0.4f, 2.54f, 7.62f},
        Shipped{"Resistance-10.16", 2, ElementKind::RoundPad, 0.5f, 10.16f, 10.16f},
        Shipped{"TO-92", 3, ElementKind::SquarePad, 0.4f, 2.54f, 5.08f}}) {
    SCOPED_TRACE(shipped.Name);
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
      written.Elements.push_back(board_tests::Element(0, item.Kind, item.Layer, item.Size, item.X1,
                                                      item.Y1, item.X2, item.Y2, item.Text, item.Angle));
    }
    ASSERT_EQ(pads.size(), shipped.Pads);
    EXPECT_EQ(board.Pending.front().Kind, shipped.PadOneKind) << "pad 1 is the handle";
    auto distance = [](const PendingItem& a, const PendingItem& b) {
      return std::hypot(a.X1 - b.X1, a.Y1 - b.Y1);
    };
    EXPECT_NEAR(distance(pads[0], pads[1]), shipped.PadOneToTwo, 1e-4f);
    EXPECT_NEAR(distance(pads[0], pads.back()), shipped.PadOneToLast, 1e-4f);
    EXPECT_GT(outline, 0);
    EXPECT_EQ(WriteDocument(written, 1.27f, 1.27f),
              board_tests::ReadBytes(programFolder + "/empreintes/" + shipped.Name + ".Emp"));
  }
}

}  // namespace
