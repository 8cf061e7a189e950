// The footprint library: listing its files, reading one into Pending, and
// the footprints shipped with the program.
#include "support/board_test_support.h"
#include "lyt/core/board_file.h"
#include "lyt/core/footprint_library.h"

#include <algorithm>

namespace {

using namespace lyt;
using common::MessageIcon;
using Names = std::vector<std::string>;
namespace fs = board_tests::fs;

class FootprintLibrary : public ::testing::Test {
 protected:
  fs::path Library() const { return folder.Path() / "empreintes"; }
  void Put(const std::string& name, const std::string& bytes = "\"EMP 3\"\r\n1.27,1.27\r\n") {
    fs::create_directories(Library());
    board_tests::WriteBytes((Library() / fs::u8path(name)).u8string(), bytes);
  }
  Names List() const { return ListFootprintNames(folder.Path().u8string()); }
  std::optional<common::FileProblem> Read(const std::string& name) {
    return ReadFootprint(board, folder.Path().u8string(), name);
  }

  board_tests::TempFolder folder;
  Board board;
};

TEST_F(FootprintLibrary, ListsFootprintFilesByNameSortedIgnoringCase) {
  EXPECT_TRUE(List().empty()) << "no folder";
  fs::create_directories(Library() / "dossier.Emp");
  for (const char* name : {"notes.txt", "carte.Lyt", "pad.Emp.bak", "emp", "xemp", ".Emp"}) Put(name);
  EXPECT_TRUE(List().empty()) << "nothing but other files";
  // "c.eMp" and "c.emp" both exist on a case-sensitive file system; the
  // reader opens one file for the name, so it is offered once.
  for (const char* name :
       {"b.emp", "Zeta.Emp", "A.EMP", "alpha.Emp", "Résistance.Emp", "c.eMp", "c.emp"})
    Put(name);
  EXPECT_EQ(List(), (Names{"A", "alpha", "b", "c", "Résistance", "Zeta"}));
}

TEST_F(FootprintLibrary, ReadItemsMoveAsAWholeWithTheCurrentGroupCounter) {
  Put("TO92.Emp",
      "\"EMP 3\"\r\n2.54,2.54\r\n"
      "4,4,3,0.8,30,40,0,0,\"\",0\r\n"
      "4,1,2,0.3,29,38,34,38,\"\",0\r\n"
      "0,10,2,1.5,29,36,33,37,\"Q\",90\r\n");
  board.LastGroup = 6;
  ASSERT_FALSE(Read("TO92"));
  ASSERT_EQ(board.Pending.size(), 3u);
  for (const PendingItem& item : board.Pending)
    EXPECT_EQ(std::make_tuple(item.Index, item.Group, item.MoveMode, item.Active),
              std::make_tuple(0, 6, PendingMove::Whole, true));
  EXPECT_EQ(board.Pending[1].X2, 34.0f);
  EXPECT_EQ(std::make_pair(board.Pending[2].Text, board.Pending[2].Angle),
            std::make_pair(std::string("Q"), 90));
  EXPECT_TRUE(board.Elements.empty());
  EXPECT_EQ(board.LastGroup, 6);
}

TEST_F(FootprintLibrary, ReadingRefusesBoardsAndDamagedFilesKeepingWhatWasRead) {
  Put("R.Emp", "\"EMP 2\"\r\n0,8,3,0.4,1,1,0,0,\"\",0\r\n");  // older: no grid line
  Put("CMS.EMP", "\"EMP 3\"\r\n1.27,1.27\r\n0,5,3,0.8,1,1,0,0,\"\",0\r\n");
  Put("carte.Emp", "\"LYT 3\"\r\n1.27,1.27\r\n0,8,3,0.4,1,1,0,0,\"\",0\r\n");
  Put("abime.Emp", "\"EMP 3\"\r\n1.27,1.27\r\n0,4,3,0.8,1,1,0,0,\"\",0\r\n0,8,3,x,1,1,0,0,\"\",0\r\n");
  const std::tuple<const char*, const char*, MessageIcon, std::size_t> cases[] = {
      {"R", "", MessageIcon::None, 1},
      {"CMS", "", MessageIcon::None, 1},  // the extension in any case
      {"carte", board_tests::kWrongFootprint, MessageIcon::Critical, 0},
      {"abime", board_tests::kWrongFootprint, MessageIcon::Critical, 1},  // damaged on its second item
      {"absent", board_tests::kFootprintNotFound, MessageIcon::Exclamation, 0}};
  for (const auto& [name, text, icon, pending] : cases) {
    board.Pending.clear();
    const std::optional<common::FileProblem> read = Read(name);
    EXPECT_EQ(std::make_pair(read ? read->Text : "", read ? read->Icon : MessageIcon::None),
              std::make_pair(std::string(text), icon)) << name;
    EXPECT_EQ(board.Pending.size(), pending) << name;
  }
}

// Every shipped footprint (from the source tree) is as the editor writes it,
// pad 1 first (it is the handle), every pad drilled at its centre.
TEST(FootprintLibraryShipped, PadOneFirstAndEveryPadDrilled) {
  const std::string programFolder = std::string(LYTSKT_SOURCE_DIR) + "/library";
  const Names names = ListFootprintNames(programFolder);
  ASSERT_GE(names.size(), 3u);
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    Board board;
    const auto problem = ReadFootprint(board, programFolder, name);
    ASSERT_FALSE(problem) << problem->Text;
    auto isPad = [](const PendingItem& i) {
      return i.Kind >= ElementKind::RoundPad && i.Kind <= ElementKind::RectPad;
    };
    ASSERT_TRUE(isPad(board.Pending.front()));
    Board written;
    written.FileName = name + ".Emp";
    for (const PendingItem& item : board.Pending) {
      auto drills = [&](const PendingItem& h) {
        return h.Kind == ElementKind::Hole && h.X1 == item.X1 && h.Y1 == item.Y1;
      };
      EXPECT_TRUE(!isPad(item) || std::any_of(board.Pending.begin(), board.Pending.end(), drills))
          << item.X1 << "," << item.Y1;
      written.Elements.push_back(board_tests::Element(0, item.Kind, item.Layer, item.Size, item.X1,
                                                      item.Y1, item.X2, item.Y2, item.Text, item.Angle));
    }
    EXPECT_EQ(WriteDocument(written, 1.27f, 1.27f),
              board_tests::ReadBytes(programFolder + "/empreintes/" + name + ".Emp"));
  }
}

}  // namespace
