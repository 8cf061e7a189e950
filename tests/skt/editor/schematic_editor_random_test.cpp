#include "support/random_editing.h"
#include "support/schematic_test_support.h"

#include "skt/core/schematic_file.h"

namespace {

using namespace skt;
using Editor = SchematicEditor;

// Thousands of random gestures and commands on a small schematic, with the
// document's invariants checked after every one of them.
class SchematicEditorRandom
    : public testing_support::RandomEditingTest<schematic_tests::SchematicEditorTest, SchematicEditor> {
 protected:
  // Wires, buses, dotted lines, junctions, circles, texts and unseen pin
  // records on a small area, the last twelve as three compact components.
  SchematicEditorRandom() {
    editor.MnuGrille();
    const std::int32_t lines[] = {ElementKind::Wire, ElementKind::Bus, ElementKind::DottedLine, ElementKind::BusEntry};
    for (int i = 0; i < 36; ++i) {
      const std::int32_t group = i < 24 ? 0 : (i - 24) / 4 + 1;
      const int corner = group == 0 ? Uniform(4, 30) : 8 * group, spread = group == 0 ? 0 : 3;
      const float x = static_cast<float>(corner + Uniform(0, spread)), y = static_cast<float>(corner + Uniform(0, spread));
      switch (i % 5) {
        case 0: Add(schematic_tests::Element(group, lines[Uniform(0, 3)], x, y, static_cast<float>(Uniform(4, 30)), y)); break;
        case 1: Add(schematic_tests::Element(group, ElementKind::Junction, x, y)); break;
        case 2: Add(schematic_tests::Element(group, ElementKind::Text, x, y, x + 4.4f, y + 2.4f, 2.0f, "R1")); break;
        case 3: Add(schematic_tests::Element(group, ElementKind::Circle, x, y, 0, 0, 1.5f)); break;
        default: Add(schematic_tests::Element(group, ElementKind::Pin, x, y, x, y, 0, "1")); break;
      }
    }
    Doc().LastGroup = 3;
  }

  std::vector<Command> Buttons() const override {
    std::vector<Command> buttons;
    for (const char* name : {"OptSelect", "OptFil", "Optbus", "OptPoint", "OptJonction", "OptEntreeBus",
                             "OptMasse", "OptTerre", "OptPlus5V", "OptMoins5V", "OptFleche", "OptRenvoi", "OptRond"})
      buttons.push_back({name});
    return buttons;
  }
  std::vector<Command> Menus() const override {
    return {{"MnuCopier", &Editor::MnuCopier},   {"MnuCouper", &Editor::MnuCouper},
            {"MnuSuppr", &Editor::MnuSuppr},     {"MnuColler", &Editor::MnuColler},
            {"MnuAnnuler", &Editor::MnuAnnuler}, {"MnuRotation", &Editor::MnuRotation},
            {"MnuHoriz", &Editor::MnuHoriz},     {"MnuVertical", &Editor::MnuVertical}};
  }
  std::vector<char> Keys() const override { return {'r', 'h', 'v', 'i', 'o', 'w', 'j', 'g', 0}; }
  bool CommitsSelection(const std::string& button) const override {
    return button.rfind("Opt", 0) == 0 && button != "OptSelect";
  }
  float Anywhere() override { return static_cast<float>(Uniform(2, 32)); }
  std::pair<std::string, std::string> SavedAndReread() override {
    const std::string path = folder.File("walk.Skt");
    Schematic saved = editor.Document();
    saved.FileName = path;
    const std::string text = WriteDocument(saved);
    schematic_tests::WriteBytes(path, text);
    Schematic read;
    read.FileName = path;
    if (ReadDocument(read)) return {text, ""};
    return {text, WriteDocument(read)};
  }
};

TEST_F(SchematicEditorRandom, InvariantsHoldAfterEveryStep) { Walk(4000, 50, 10); }

}  // namespace
