#include "support/board_test_support.h"
#include "support/random_editing.h"

#include "lyt/core/board_file.h"

namespace {

using namespace lyt;

// Thousands of random gestures and commands on a small board, with the
// document's invariants checked after every one of them.
class BoardEditorRandom : public testing_support::RandomEditingTest<board_tests::EditorTest, BoardEditor> {
 protected:
  // Pads with their holes, holes, tracks, texts and circles on a small area so
  // that clicks often hit, the last twelve as three compact footprints.
  BoardEditorRandom() {
    editor.Start("");
    editor.MnuGrille();  // the grid only costs time here
    for (int i = 0; i < 36; ++i) {
      const std::int32_t group = i < 24 ? 0 : (i - 24) / 4 + 1;
      const int corner = group == 0 ? Uniform(4, 30) : 8 * group, spread = group == 0 ? 0 : 3;
      const float x = G(corner + Uniform(0, spread)), y = G(corner + Uniform(0, spread));
      const int layer = Uniform(0, 2), kind = i % 5;
      if (kind == 0)
        Doc().Elements.push_back(board_tests::Element(group, Uniform(4, 7), 3, 0.79375f, x, y, 0, 0, "", 90 * Uniform(0, 3)));
      if (kind == 0 || kind == 4) Doc().Elements.push_back(board_tests::Element(group, 8, 3, kind == 4 ? 0.5f : 0.4f, x, y));
      if (kind == 1) Doc().Elements.push_back(board_tests::Element(group, 1, layer, 0.3175f, x, y, G(Uniform(4, 30)), y));
      if (kind == 2) Doc().Elements.push_back(board_tests::Element(group, 10, layer, 2.0f, x, y, x + 3.0f, y - 2.0f, "R1"));
      if (kind == 3) Doc().Elements.push_back(board_tests::Element(group, 9, 2, 1.27f, x, y));
    }
    Doc().LastGroup = 3;
  }

  std::vector<Command> Buttons() const override {
    return {{"OptSelect", &BoardEditor::OptSelect},       {"OptPiste", &BoardEditor::OptPiste},
            {"OptPastilleR", &BoardEditor::OptPastilleR}, {"OptPastilleC", &BoardEditor::OptPastilleC},
            {"OptPastilleOH", &BoardEditor::OptPastilleOH}, {"OptPastilleRect", &BoardEditor::OptPastilleRect},
            {"OptTrou", &BoardEditor::OptTrou},           {"OptRond", &BoardEditor::OptRond},
            {"OptComposant", &BoardEditor::OptComposant}, {"OptSoudure", &BoardEditor::OptSoudure},
            {"OptSerig", &BoardEditor::OptSerig}};
  }
  std::vector<Command> Menus() const override {
    return {{"MnuCopier", &BoardEditor::MnuCopier},     {"MnuCouper", &BoardEditor::MnuCouper},
            {"MnuSuppr", &BoardEditor::MnuSuppr},       {"MnuColler", &BoardEditor::MnuColler},
            {"MnuAnnuler", &BoardEditor::MnuAnnuler},   {"MnuRotation", &BoardEditor::MnuRotation},
            {"MnuChanger", &BoardEditor::MnuChanger},   {"MnuInfo", &BoardEditor::MnuInfo}};
  }
  std::vector<char> Keys() const override { return {'r', 'g', 'i', 'o', 0}; }
  // The layer buttons change no element.
  bool CommitsSelection(const std::string& button) const override {
    return button.rfind("Opt", 0) == 0 && button != "OptSelect" && button != "OptComposant" &&
           button != "OptSoudure" && button != "OptSerig";
  }
  float Anywhere() override { return G(Uniform(2, 32)); }
  std::pair<std::string, std::string> SavedAndReread() override {
    const std::string path = folder.File("walk.Lyt"), saved = WriteDocument(editor.Document(), 1.27f, 1.27f);
    board_tests::WriteBytes(path, saved);
    Board read;
    read.FileName = path;
    common::Viewport view(common::LytViewport);
    if (!ReadDocument(read, view).Complete()) return {saved, ""};
    return {saved, WriteDocument(read, 1.27f, 1.27f)};
  }
  std::int32_t OwnField(const BoardElement& e) const override { return e.Layer; }
  std::int32_t OwnField(const PendingItem& item) const override { return item.Layer; }
};

TEST_F(BoardEditorRandom, InvariantsHoldAfterEveryStep) { Walk(4000, 50, 10); }

}  // namespace
