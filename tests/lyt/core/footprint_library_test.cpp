// The footprint library: listing its files, reading one into Pending, and
// the footprints shipped with the program.
#include "support/board_test_support.h"
#include "lyt/core/board_file.h"
#include "lyt/core/footprint_library.h"

#include <set>

namespace {

using namespace lyt;
using common::MessageIcon;
using Names = std::vector<std::string>;
namespace fs = board_tests::fs;

// Every file with the extension in any case is listed by name, sorted
// ignoring case: "c.eMp" and "c.emp" both exist on a case-sensitive file
// system, but the reader opens one file for the name, so it is offered once.
// Items read are active, move as a whole and carry the current group
// counter; a damaged file keeps what was read (the editor's tests see the
// messages of boards and missing files).
TEST(FootprintLibrary, ListsAndReadsFootprintFiles) {
  board_tests::TempFolder folder;
  const fs::path library = folder.Path() / "empreintes";
  auto put = [&](const std::string& name, const std::string& bytes) {
    board_tests::WriteBytes((library / fs::u8path(name)).u8string(), bytes);
  };
  auto list = [&] { return ListFootprintNames(folder.Path().u8string()); };
  EXPECT_TRUE(list().empty()) << "no folder";
  fs::create_directories(library / "dossier.Emp");
  for (const char* name : {"notes.txt", "carte.Lyt", "pad.Emp.bak", "emp", "xemp", ".Emp"}) put(name, "");
  EXPECT_TRUE(list().empty()) << "nothing but other files";
  const std::string magic = "\"EMP 3\"\r\n1.27,1.27\r\n", pad = "4,4,3,0.8,30,40,0,0,\"\",0\r\n";
  for (const char* name : {"b.emp", "Zeta.Emp", "alpha.Emp", "Résistance.Emp", "c.eMp", "c.emp"})
    put(name, magic);
  put("R.Emp", "\"EMP 2\"\r\n" + pad + pad);  // older: no grid line
  put("CMS.EMP", magic + pad);
  put("abime.Emp", magic + pad + "0,8,3,x,1,1,0,0,\"\",0\r\n");
  EXPECT_EQ(list(), (Names{"abime", "alpha", "b", "c", "CMS", "R", "Résistance", "Zeta"}));
  const std::tuple<const char*, const char*, MessageIcon, std::size_t> cases[] = {
      {"R", "", MessageIcon::None, 2}, {"CMS", "", MessageIcon::None, 1},
      {"abime", board_tests::kWrongFootprint, MessageIcon::Critical, 1}};  // damaged on its second item
  for (const auto& [name, text, icon, pending] : cases) {
    SCOPED_TRACE(name);
    Board board;
    board.LastGroup = 6;
    const auto read = ReadFootprint(board, folder.Path().u8string(), name);
    EXPECT_EQ(std::make_pair(read ? read->Text : "", read ? read->Icon : MessageIcon::None),
              std::make_pair(std::string(text), icon));
    ASSERT_EQ(board.Pending.size(), pending);
    for (const PendingItem& item : board.Pending)
      EXPECT_EQ(std::make_tuple(item.Index, item.Group, item.MoveMode, item.Active, item.X1),
                std::make_tuple(0, 6, PendingMove::Whole, true, 30.0f));
    EXPECT_TRUE(board.Elements.empty() && board.LastGroup == 6);
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
    ASSERT_TRUE(IsPad(board.Pending.front().Kind));
    std::set<std::pair<float, float>> holes;
    for (const PendingItem& item : board.Pending)
      if (item.Kind == ElementKind::Hole) holes.insert({item.X1, item.Y1});
    for (const PendingItem& item : board.Pending)
      EXPECT_TRUE(!IsPad(item.Kind) || holes.count({item.X1, item.Y1})) << item.X1 << "," << item.Y1;
    const std::string path = programFolder + "/empreintes/" + name + ".Emp";
    board.FileName = path;
    board.PendingActive = board.PendingIsNew = true;
    CommitPending(board);
    EXPECT_EQ(WriteDocument(board, 1.27f, 1.27f), board_tests::ReadBytes(path));
  }
}

}  // namespace
