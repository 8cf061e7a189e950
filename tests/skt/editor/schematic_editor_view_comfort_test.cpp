// Zoom Tout on a schematic, and a schematic opened away from the middle.
#include "skt/core/schematic_extent.h"
#include "support/schematic_test_support.h"
#include "support/view_checks.h"

namespace {

using namespace skt;
using schematic_tests::Element;

class SchematicViewComfort : public schematic_tests::SchematicEditorTest {};

// What shows is framed: the unseen pin of a component far away is not.
// Opened, a schematic out of view comes framed.
TEST_F(SchematicViewComfort, ZoomToutFramesWhatShowsAndOpeningFramesItToo) {
  Add(Element(0, ElementKind::Wire, 10, 10, 60, 10));
  Add(Element(0, ElementKind::Circle, 30, 40, 0, 0, 5));
  Add(Element(1, ElementKind::Pin, 280, 190, 280, 190, 0, "1"));
  editor.MnuZoomTout();
  for (const SchematicElement& element : Doc().Elements) {
    const auto box = ElementBox(element);
    EXPECT_TRUE(!box || common::ShowsWhole(editor.Layout(), editor.View(), *box));
  }
  const common::MmBox shown{9.95f, 9.95f, 60.05f, 45};
  testing_support::ExpectFramed(editor.Layout(), editor.View(), shown);

  const std::string path = folder.File("coin.Skt");
  schematic_tests::WriteBytes(path, "\"SKT 1\"\r\n0,1,0,10,10,60,10,\"\",0\r\n0,9,5,30,40,0,0,\"\",0\r\n");
  editor.Start(path);
  testing_support::ExpectFramed(editor.Layout(), editor.View(), shown);
}

}  // namespace
