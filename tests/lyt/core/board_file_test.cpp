// Board and footprint files: the writer, the document reader, saving, and
// the round trip between them.
#include "support/board_test_support.h"
#include "lyt/core/board_file.h"

#include <clocale>
#include <locale>
#include <stdexcept>

namespace {

using namespace lyt;
using board_tests::Element;
using common::MessageIcon;

const std::string TrackLine = "0,1,0,1.27,10.16,20.32,15.24,20.32,\"\",0\r\n";
const std::string OneTrackFile = "\"LYT 3\"\r\n1.27,1.27\r\n" + TrackLine;
const BoardElement Track =
    Element(0, ElementKind::Track, BoardLayer::Component, 1.27f, 10.16f, 20.32f, 15.24f, 20.32f);

Board BoardOf(const std::string& fileName, std::vector<BoardElement> elements) {
  Board board;
  board.FileName = fileName;
  board.Elements = std::move(elements);
  return board;
}

std::string Describe(const std::optional<common::FileProblem>& problem) {
  if (!problem) return "none";
  return problem->Text + " / icon " + std::to_string(static_cast<int>(problem->Icon));
}

TEST(BoardFileWrite, MagicByExtensionGridStepsThenLiveElementsInWindows1252) {
  const std::tuple<const char*, std::vector<BoardElement>, float, std::string> cases[] = {
      {"/boards/essai.Lyt", {Track}, 1.27f, OneTrackFile},
      // The extension in any case; any other name gets the board magic, so
      // that every file written can be read back.
      {"/lib/DIL8.emp", {Track}, 1.27f, "\"EMP 3\"\r\n1.27,1.27\r\n" + TrackLine},
      {"/lib/DIL8.LYT", {Track}, 1.27f, OneTrackFile},
      {"ab", {Track}, 1.27f, OneTrackFile},
      {"a.Lyt",
       {Track, Element(1, ElementKind::Deleted, BoardLayer::Through, 0.4f, 5, 5),
        Element(1, ElementKind::RoundPad, BoardLayer::Through, 0.8f, 5, 5),
        Element(0, ElementKind::Deleted, BoardLayer::Silkscreen, 2, 7, 7)},
       1.27f, OneTrackFile + "1,4,3,0.8,5,5,0,0,\"\",0\r\n"},
      {"a.Lyt", {Element(1, ElementKind::Deleted, BoardLayer::Through, 0.4f, 5, 5)}, 0.5f,
       "\"LYT 3\"\r\n0.5,0.5\r\n"},
      // A line break inside a text cannot split its line.
      {"a.Lyt", {Element(0, ElementKind::Text, 2, 2, 0, 0, 0, 0, "é µ 1€ ✓\r\nb\nc")}, 2.54f,
       "\"LYT 3\"\r\n2.54,2.54\r\n0,10,2,2,0,0,0,0,\"\xE9 \xB5 1\x80 ???b?c\",0\r\n"}};
  for (const auto& [fileName, elements, step, expected] : cases)
    EXPECT_EQ(WriteDocument(BoardOf(fileName, elements), step, step), expected) << expected;
}

struct ReadCase {
  std::optional<std::string> Bytes;  // nothing: no file at all
  const char* FileName;
  std::optional<common::FileProblem> Problem;
  bool GridStepsRead;
  std::string Read;  // the steps and elements afterwards, as the writer writes them
  std::int32_t LastGroup;
};

// The viewport starts at steps of 2 and 3 mm.
std::vector<ReadCase> ReadCases() {
  const common::FileProblem wrongType{board_tests::kWrongType, MessageIcon::Critical};
  const std::string untouched = "\"LYT 3\"\r\n2,3\r\n";
  const std::string hole = "2,8,3,0.4,5,6,0,0,\"\",0\r\n";
  const std::string pad = "7,4,3,0.8,5,6,0,0,\"\",0\r\n";
  std::vector<ReadCase> cases = {
      {"\"LYT 3\"\r\n2.54,0.5\r\n" + pad + hole, "lu.Lyt", {}, true,
       "\"LYT 3\"\r\n2.54,0.5\r\n" + pad + hole, 8},
      {"\"EMP 3\"\r\n1,2\r\n" + hole, "DIL8.Emp", {}, true, "\"EMP 3\"\r\n1,2\r\n" + hole, 3},
      // Hand-edited steps come back into the range of the grid dialog.
      {"\"LYT 3\"\r\n0.1,20\r\n", "lu.Lyt", {}, true, "\"LYT 3\"\r\n0.5,10\r\n", 1},
      {"\"LYT 2\"\r\n" + pad + hole, "lu.Lyt", {}, false, untouched + pad + hole, 8},  // no grid line
      {"\"LYT 3\"\r\n1,1\r\n2147483647,8,3,0.4,5,6,0,0,\"\",0\r\n", "lu.Lyt", {}, true,
       "\"LYT 3\"\r\n1,1\r\n2147483647,8,3,0.4,5,6,0,0,\"\",0\r\n", 2147483647},
      // Line feeds alone, no final line end, other spellings of numbers.
      {"\"LYT 3\"\n1,1\n" + hole + " 3 , 1 , 0 , .5 , 1E-05 , -2 , 1.5e2 , 0 , \" t \" , 90 ", "lu.Lyt",
       {}, true, "\"LYT 3\"\r\n1,1\r\n" + hole + "3,1,0,0.5,0.00001,-2,150,0,\" t \",90\r\n", 4},
      {std::nullopt, "absent.Lyt",
       common::FileProblem{board_tests::kFileNotFound, MessageIcon::Exclamation}, false, untouched, 0}};
  // What the writer writes comes back: unknown kinds, awkward numbers and texts.
  const std::string written = WriteDocument(
      BoardOf("", {Track, Element(0, 3, 1, 1.0f, 1, 2, 3, 4),
                   Element(7, ElementKind::OvalPad, 3, 0.635f, 3.3333333f, 1e-6f, 0, 0, "", 90),
                   Element(-3, ElementKind::RectPad, 3, 0.635f, -1.27f, -0.0001f, 123456.7f, 0, "", 270),
                   Element(0, ElementKind::Text, 2, 2.5f, 1, 2, 30, 5, " R1, \"C2\" é Ω", 180)}),
      1.385f, 1.42f);
  cases.push_back({written, "lu.Lyt", {}, true, written, 8});
  // Another magic or a bad grid line: nothing is read.
  for (const char* bytes : {"\"SKT 1\"\r\n1,1\r\n", "\"lyt 3\"\r\n1,1\r\n", "", "\r\n", "\"LY\"\r\n",
                            "\"LYT 3\",1\r\n1,1\r\n", "\"LYT 3\"\r\n", "\"LYT 3\"\r\n1.27\r\n",
                            "\"LYT 3\"\r\nabc,1.27\r\n", "\"LYT 3\"\r\n0,1.27\r\n"})
    cases.push_back({bytes, "lu.Lyt", wrongType, false, untouched, 0});
  // A damaged line: what was read before it stays, LastGroup is the largest
  // group read so far, without the increment of a complete read.
  const std::string good = "\"LYT 3\"\r\n1,1\r\n" + pad + hole;
  for (const std::string& lastLine : std::vector<std::string>{
           "0,1,0,1,0,0,3,3,\"\"\r\n", "0,1,0,1,0,0,3,3,\"\"", "0,1,0,1,0,0,3,3,\"\",0,0\r\n", "\r\n",
           "\r\n" + TrackLine, "0,1,0,abc,0,0,3,3,\"\",0\r\n", "0,\"1\",0,1,0,0,3,3,\"\",0\r\n",
           "0,1,0,1,0,0,3,3,\"abc,0\r\n"})
    cases.push_back({good + lastLine, "lu.Lyt", wrongType, true, good, 7});
  return cases;
}

TEST(BoardFileRead, StepsElementsLastGroupAndProblemOfEachFile) {
  board_tests::TempFolder folder;
  for (const ReadCase& c : ReadCases()) {
    SCOPED_TRACE(c.Bytes.value_or("no file"));
    Board board;
    InitDocument(board);
    board.FileName = folder.File(c.FileName);
    if (c.Bytes) board_tests::WriteBytes(board.FileName, *c.Bytes);
    common::Viewport view{common::LytViewport};
    view.GridStepX = 2.0f;
    view.GridStepY = 3.0f;
    const ReadOutcome outcome = ReadDocument(board, view);
    EXPECT_EQ(Describe(outcome.Problem), Describe(c.Problem));
    EXPECT_EQ(outcome.Complete(), !c.Problem);
    EXPECT_EQ(outcome.GridStepsRead, c.GridStepsRead);
    EXPECT_EQ(WriteDocument(board, view.GridStepX, view.GridStepY), c.Read);
    EXPECT_EQ(board.LastGroup, c.LastGroup);
    EXPECT_EQ(board.FileName, folder.File(c.FileName));
  }
}

// The first save runs under a French locale when the system has one: the
// file must still use full stops.
TEST(BoardFileSave, WritesWithFullStopsInAnyLocaleOrKeepsAWriteProtectedFile) {
  board_tests::TempFolder folder;
  Board board = BoardOf(folder.File("carte.Lyt"), {Track});
  board.Modified = true;
  SaveOutcome outcome;
  if (std::setlocale(LC_ALL, "fr_FR.UTF-8")) {
    try {
      std::locale::global(std::locale("fr_FR.UTF-8"));
    } catch (const std::runtime_error&) {  // the C locale alone then
    }
  }
  outcome = SaveDocumentFile(board, 1.27f, 1.27f);
  std::locale::global(std::locale::classic());
  std::setlocale(LC_ALL, "C");
  EXPECT_EQ(std::make_tuple(outcome.Saved, outcome.RefillFootprintList, Describe(outcome.Problem)),
            std::make_tuple(true, false, std::string("none")));
  EXPECT_FALSE(board.Modified);
  EXPECT_EQ(board_tests::ReadBytes(board.FileName), OneTrackFile);

  board.FileName = folder.File("DIL8.Emp");  // a footprint: the list must be refilled
  EXPECT_TRUE(SaveDocumentFile(board, 1.27f, 1.27f).RefillFootprintList);

  board.FileName = folder.File("verrou.Lyt");
  board_tests::WriteBytes(board.FileName, "ancien contenu");
  board_tests::fs::permissions(board_tests::fs::u8path(board.FileName),
                               board_tests::fs::perms::owner_read);
  board.Modified = true;
  outcome = SaveDocumentFile(board, 1.27f, 1.27f);
  const common::FileProblem writeProtected{board_tests::kWriteProtected, MessageIcon::Exclamation};
  EXPECT_EQ(std::make_tuple(outcome.Saved, outcome.RefillFootprintList, Describe(outcome.Problem)),
            std::make_tuple(false, false, Describe(writeProtected)));
  EXPECT_TRUE(board.Modified);
  EXPECT_EQ(board_tests::ReadBytes(board.FileName), "ancien contenu");
}

}  // namespace
