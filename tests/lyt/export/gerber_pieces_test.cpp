#include "lyt/export/gerber_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

// A long text makes a large file: it reaches the sink in bounded pieces that
// add up to the whole file, and a sink that fails stops the writing.
TEST(GerberPieces, LargeFilesGoOutInBoundedPieces) {
  lyt::BoardElement text;
  text.Kind = lyt::ElementKind::Text;
  text.Layer = lyt::BoardLayer::Component;
  text.Size = 2.0f;
  text.Text = std::string(20000, 'W');
  const std::vector<lyt::BoardElement> elements{text};
  lyt::GerberProblems problems;
  const std::string whole = lyt::ExportGerberLayer(elements, lyt::BoardLayer::Component, problems);

  std::string joined;
  std::size_t largest = 0;
  int pieces = 0;
  EXPECT_TRUE(lyt::WriteGerberLayer(elements, lyt::BoardLayer::Component, problems,
                                    [&](std::string_view piece) {
                                      joined += piece;
                                      largest = std::max(largest, piece.size());
                                      ++pieces;
                                      return true;
                                    }));
  EXPECT_EQ(joined, whole);
  EXPECT_GT(pieces, 10);
  EXPECT_LT(largest, std::size_t{70000});

  pieces = 0;
  EXPECT_FALSE(lyt::WriteGerberLayer(elements, lyt::BoardLayer::Component, problems,
                                     [&](std::string_view) { return ++pieces <= 2; }));
  EXPECT_EQ(pieces, 3);
}

}  // namespace
