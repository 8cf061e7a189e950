// Board and footprint files: the writer, the document reader, saving, the
// round trip between them, and the footprint library.
#include "support/board_test_support.h"
#include "lyt/core/board_file.h"
#include "lyt/core/footprint_library.h"
#include "common/core/number_text.h"

#include <clocale>
#include <locale>

namespace {

using namespace lyt;
using namespace lyt::ElementKind;
using board_tests::Element;
using testing_support::Describe;
using common::MessageIcon;
using Names = std::vector<std::string>;
namespace fs = board_tests::fs;

const std::string TrackLine = "0,1,0,1.27,10.16,20.32,15.24,20.32,\"\",0\r\n";
const std::string OneTrackFile = "\"LYT 3\"\r\n1.27,1.27\r\n" + TrackLine;
const BoardElement kTrack = Element(0, Track, BoardLayer::Component, 1.27f, 10.16f, 20.32f, 15.24f, 20.32f);

Board BoardOf(const std::string& fileName, const std::vector<BoardElement>& elements) {
  Board board;
  std::tie(board.FileName, board.Elements) = std::tie(fileName, elements);
  return board;
}

// The magic follows the extension in any case; any other name gets the
// board's, so that every file written can be read back (a board file's own
// is seen by the save below). Deleted elements are left out; a line break
// inside a text cannot split its line.
TEST(BoardFileWrite, MagicByExtensionGridStepsThenLiveElementsInWindows1252) {
  const std::tuple<const char*, std::vector<BoardElement>, std::string> cases[] = {
      {"/lib/DIL8.emp", {kTrack}, "\"EMP 3\"\r\n1.27,1.27\r\n" + TrackLine},
      {"ab", {kTrack}, OneTrackFile},
      {"a.Lyt",
       {kTrack, Element(1, Deleted, 3, 0.4f, 5, 5), Element(1, RoundPad, 3, 0.8f, 5, 5),
        Element(0, Deleted, 2, 2, 7, 7), Element(0, Text, 2, 2, 0, 0, 0, 0, "é µ 1€ ✓\r\nb\nc")},
       OneTrackFile + "1,4,3,0.8,5,5,0,0,\"\",0\r\n0,10,2,2,0,0,0,0,\"\xE9 \xB5 1\x80 ???b?c\",0\r\n"}};
  for (const auto& [fileName, elements, expected] : cases)
    EXPECT_EQ(WriteDocument(BoardOf(fileName, elements), 1.27f, 1.27f), expected) << expected;
}

// The bytes, the file's name, the problem, whether the grid steps were read,
// the steps and elements afterwards as the writer writes them, and LastGroup.
using ReadCase =
    std::tuple<std::string, const char*, std::optional<common::FileProblem>, bool, std::string, std::int32_t>;

// The viewport starts at steps of 2 and 3 mm. A missing file and steps out
// of range are seen through the editor.
std::vector<ReadCase> ReadCases() {
  const common::FileProblem wrongType{common::WrongFileTypeText, MessageIcon::Critical};
  const std::string untouched = "\"LYT 3\"\r\n2,3\r\n";
  const std::string hole = "2,8,3,0.4,5,6,0,0,\"\",0\r\n", pad = "7,4,3,0.8,5,6,0,0,\"\",0\r\n";
  const std::string good = "\"LYT 3\"\r\n1,1\r\n" + pad + hole;
  std::vector<ReadCase> cases = {
      {"\"EMP 3\"\r\n1,2\r\n" + hole, "DIL8.Emp", {}, true, "\"EMP 3\"\r\n1,2\r\n" + hole, 3},
      {"\"LYT 2\"\r\n" + pad + hole, "lu.Lyt", {}, false, untouched + pad + hole, 8},  // no grid line
      {"\"LYT 3\"\r\n1,1\r\n2147483647" + hole.substr(1), "lu.Lyt", {}, true,
       "\"LYT 3\"\r\n1,1\r\n2147483647" + hole.substr(1), 2147483647},
      // Line feeds alone, no final line end, other spellings of numbers.
      {"\"LYT 3\"\n1,1\n" + hole + " 3 , 1 , 0 , .5 , 1E-05 , -2 , 1.5e2 , 0 , \" t \" , 90 ", "lu.Lyt",
       {}, true, "\"LYT 3\"\r\n1,1\r\n" + hole + "3,1,0,0.5,0.00001,-2,150,0,\" t \",90\r\n", 4}};
  // Another magic or a bad grid line: nothing is read.
  for (const char* bytes : {"\"SKT 1\"\r\n1,1\r\n", "\"lyt 3\"\r\n1,1\r\n", "", "\r\n", "\"LY\"\r\n",
                            "\"LYT 3\",1\r\n1,1\r\n", "\"LYT 3\"\r\n", "\"LYT 3\"\r\n1.27\r\n",
                            "\"LYT 3\"\r\nabc,1.27\r\n", "\"LYT 3\"\r\n0,1.27\r\n"})
    cases.push_back({bytes, "lu.Lyt", wrongType, false, untouched, 0});
  // A damaged line: what was read before it stays, LastGroup is the largest
  // group read so far, without the increment of a complete read.
  for (const std::string& lastLine : std::vector<std::string>{
           "0,1,0,1,0,0,3,3,\"\"\r\n", "0,1,0,1,0,0,3,3,\"\"", "0,1,0,1,0,0,3,3,\"\",0,0\r\n", "\r\n",
           "\r\n" + TrackLine, "0,1,0,abc,0,0,3,3,\"\",0\r\n", "0,\"1\",0,1,0,0,3,3,\"\",0\r\n",
           "0,1,0,1,0,0,3,3,\"abc,0\r\n"})
    cases.push_back({good + lastLine, "lu.Lyt", wrongType, true, good, 7});
  return cases;
}

TEST(BoardFileRead, StepsElementsLastGroupAndProblemOfEachFile) {
  board_tests::TempFolder folder;
  for (const auto& [bytes, fileName, problem, stepsRead, read, lastGroup] : ReadCases()) {
    SCOPED_TRACE(bytes);
    Board board = BoardOf(folder.File(fileName), {});
    board_tests::WriteBytes(board.FileName, bytes);
    common::Viewport view{common::LytViewport};
    view.SetGridSteps(2.0f, 3.0f);
    const ReadOutcome outcome = ReadDocument(board, view);
    EXPECT_EQ(std::make_tuple(Describe(outcome.Problem), outcome.GridStepsRead, board.LastGroup),
              std::make_tuple(Describe(problem), stepsRead, lastGroup));
    EXPECT_EQ(WriteDocument(board, view.GridStepX, view.GridStepY), read);
  }
}

// Saving and reading run under a French locale when the system has one:
// the file must still use full stops, and be read with them; numbers shown
// take the separator the user asks for, not the locale's.
TEST(BoardFileSave, FullStopsInAnyLocale) {
  board_tests::TempFolder folder;
  Board board = BoardOf(folder.File("carte.Lyt"), {kTrack}), reread = BoardOf(board.FileName, {});
  board.Modified = true;
  if (std::setlocale(LC_ALL, "fr_FR.UTF-8")) std::locale::global(std::locale("fr_FR.UTF-8"));
  const SaveOutcome outcome = SaveDocumentFile(board, 1.27f, 1.27f);
  common::Viewport view{common::LytViewport};
  const bool read = ReadDocument(reread, view).Complete();
  const std::string shown = common::FormatNumber(1.27f);
  std::locale::global(std::locale::classic());
  std::setlocale(LC_ALL, "C");
  EXPECT_EQ(std::make_tuple(outcome.Saved, outcome.RefillFootprintList, Describe(outcome.Problem),
                            board.Modified, board_tests::ReadBytes(board.FileName), shown, read),
            std::make_tuple(true, false, "none", false, OneTrackFile, "1.27", true));
  EXPECT_EQ(WriteDocument(reread, view.GridStepX, view.GridStepY), OneTrackFile);
}

// The footprints are the .Emp files of "empreintes", in any letter case (the
// rules of library folders are seen through the component library's tests).
// A damaged file keeps what was read; how the items read are dropped, and the
// messages of boards and missing files, are seen through the editor.
TEST(FootprintLibrary, ListsAndReadsFootprintFiles) {
  board_tests::TempFolder folder;
  const fs::path library = folder.Path() / "empreintes";
  auto put = [&](const std::string& name, const std::string& bytes) {
    board_tests::WriteBytes((library / fs::u8path(name)).u8string(), bytes);
  };
  EXPECT_TRUE(ListFootprintNames(folder.Path().u8string()).empty()) << "no folder";
  fs::create_directories(library);
  const std::string magic = "\"EMP 3\"\r\n1.27,1.27\r\n", pad = "4,4,3,0.8,30,40,0,0,\"\",0\r\n";
  put("notes.txt", magic);
  put("R.Emp", "\"EMP 2\"\r\n" + pad + pad);  // older: no grid line
  put("CMS.EMP", magic + pad);
  put("abime.Emp", magic + pad + "0,8,3,x,1,1,0,0,\"\",0\r\n");
  EXPECT_EQ(ListFootprintNames(folder.Path().u8string()), (Names{"abime", "CMS", "R"}));
  // The footprint, the problem told and the items read ("abime" is damaged on its second item).
  const common::FileProblem damaged{"Fichier d'empreinte incorrect,\r\nlecture impossible !", MessageIcon::Critical};
  const std::tuple<const char*, std::optional<common::FileProblem>, std::size_t> cases[] = {
      {"R", {}, 2}, {"CMS", {}, 1}, {"abime", damaged, 1}};
  for (const auto& [name, problem, pending] : cases) {
    SCOPED_TRACE(name);
    Board board;
    const std::string told = Describe(ReadFootprint(board, folder.Path().u8string(), name));
    EXPECT_EQ(std::make_pair(told, board.Pending.size()), std::make_pair(Describe(problem), pending));
  }
}

}  // namespace
