#include "support/board_test_support.h"
#include "lyt/core/board_file.h"

#include <clocale>
#include <locale>
#include <stdexcept>

namespace {

using namespace lyt;
using board_tests::Element;

Board OneTrackBoard(const std::string& fileName) {
  Board board;
  board.FileName = fileName;
  board.Elements.push_back(
      Element(0, ElementKind::Track, BoardLayer::Component, 1.27f, 10.16f, 20.32f, 15.24f, 20.32f));
  return board;
}

const char* const OneTrackFile =
    "\"LYT 3\"\r\n"
    "1.27,1.27\r\n"
    "0,1,0,1.27,10.16,20.32,15.24,20.32,\"\",0\r\n";

TEST(BoardFileWrite, SingleTrackBoardIsWrittenByteForByte) {
  EXPECT_EQ(WriteDocument(OneTrackBoard("/boards/essai.Lyt"), 1.27f, 1.27f), OneTrackFile);
}

TEST(BoardFileWrite, MagicFollowsTheExtensionWhateverItsCase) {
  // Any other name still gets a magic the readers accept.
  const std::pair<const char*, const char*> cases[] = {
      {"/lib/DIL8.emp", "\"EMP 3\"\r\n"}, {"/lib/DIL8.LYT", "\"LYT 3\"\r\n"},
      {"Sans Nom", "\"LYT 3\"\r\n"},      {"ab", "\"LYT 3\"\r\n"}};
  for (const auto& [name, magic] : cases)
    EXPECT_EQ(WriteDocument(OneTrackBoard(name), 1.27f, 1.27f).substr(0, 9), magic) << name;
}

TEST(BoardFileWrite, DeletedElementsAreDropped) {
  Board board = OneTrackBoard("a.Lyt");
  board.Elements.push_back(Element(1, ElementKind::Deleted, BoardLayer::Through, 0.4f, 5, 5));
  board.Elements.push_back(Element(1, ElementKind::RoundPad, BoardLayer::Through, 0.8f, 5, 5));
  board.Elements.push_back(Element(0, ElementKind::Deleted, BoardLayer::Silkscreen, 2, 7, 7));
  board.Elements.push_back(Element(0, ElementKind::Text, BoardLayer::Solder, 2, 7, 7, 9, 9, "X"));
  EXPECT_EQ(WriteDocument(board, 1.27f, 1.27f),
            std::string(OneTrackFile) + "1,4,3,0.8,5,5,0,0,\"\",0\r\n" + "0,10,1,2,7,7,9,9,\"X\",0\r\n");

  board.Elements.resize(1);
  board.Elements[0].Kind = ElementKind::Deleted;  // all deleted: magic and grid only
  EXPECT_EQ(WriteDocument(board, 2.54f, 0.5f), "\"LYT 3\"\r\n2.54,0.5\r\n");
}

// Windows-1252, and a line break inside a text cannot split its line.
TEST(BoardFileWrite, TextsAreStoredInWindows1252OnOneLine) {
  Board board;
  board.Elements.push_back(Element(0, ElementKind::Text, 0, 2, 0, 0, 0, 0, "é µ 1€ ✓"));
  board.Elements.push_back(Element(0, ElementKind::Text, 0, 2, 0, 0, 0, 0, "a\r\nb\nc"));
  EXPECT_EQ(WriteDocument(board, 1.27f, 1.27f),
            "\"LYT 3\"\r\n1.27,1.27\r\n0,10,0,2,0,0,0,0,\"\xE9 \xB5 1\x80 ?\",0\r\n"
            "0,10,0,2,0,0,0,0,\"a??b?c\",0\r\n");
}

// Restores the C locale however the test ends.
class FrenchLocale {
 public:
  FrenchLocale() {
    active_ = std::setlocale(LC_ALL, "fr_FR.UTF-8") != nullptr;
    if (!active_) return;
    try {
      std::locale::global(std::locale("fr_FR.UTF-8"));
    } catch (const std::runtime_error&) {
      // The C locale alone is enough for printf-style formatting.
    }
  }
  ~FrenchLocale() {
    std::locale::global(std::locale::classic());
    std::setlocale(LC_ALL, "C");
  }
  bool Active() const { return active_; }

 private:
  bool active_ = false;
};

TEST(BoardFileWrite, FrenchLocaleStillWritesFullStops) {
  board_tests::TempFolder folder;
  Board board = OneTrackBoard(folder.File("fr.Lyt"));
  testing_support::ScriptedUi ui;
  {
    FrenchLocale french;
    if (!french.Active()) GTEST_SKIP() << "fr_FR.UTF-8 locale not installed";
    ASSERT_TRUE(SaveDocumentFile(board, 1.27f, 1.27f, ui).Saved);
  }
  EXPECT_EQ(board_tests::ReadBytes(board.FileName), OneTrackFile);
}

}  // namespace
