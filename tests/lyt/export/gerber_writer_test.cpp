#include "common/core/stroke_font.h"
#include "export_test_support.h"
#include "lyt/export/gerber_writer.h"
#include "support/recording_canvas.h"
#include "support/scripted_ui.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace {

using namespace export_tests;

class GerberLayerTest : public ::testing::Test {
 protected:
  std::string Layer(std::int32_t layer) { return ExportGerberLayer(board, layer, ui); }
  // The lines after the aperture definitions, up to "M02*".
  std::vector<std::string> Body(std::int32_t layer) {
    std::vector<std::string> lines = Lines(Layer(layer));
    auto start = std::find(lines.begin(), lines.end(), "G04 tracé du CI *");
    EXPECT_NE(start, lines.end());
    EXPECT_EQ(lines.back(), "M02*");
    return {start + 1, lines.end() - 1};
  }
  std::vector<std::string> Definitions(std::int32_t layer) {
    std::vector<std::string> lines = Lines(Layer(layer));
    auto end = std::find(lines.begin(), lines.end(), "G04 tracé du CI *");
    return {lines.begin() + 6, end};
  }
  std::vector<std::string> Selections(std::int32_t layer) {
    std::vector<std::string> selections;
    for (const std::string& line : Body(layer))
      if (line.rfind("G54", 0) == 0) selections.push_back(line);
    return selections;
  }

  std::vector<BoardElement> board;
  testing_support::ScriptedUi ui;
};

TEST_F(GerberLayerTest, DocumentedExampleByteForByte) {
  board = ExampleBoard();
  EXPECT_EQ(Layer(BoardLayer::Component),
            kGerberHeader + CrLf({"G04 définition des ouvertures pour les pistes *",
                                  "%ADD10C,0.8*%",
                                  "G04 définition des ouvertures pour les pastilles rondes *",
                                  "%ADD11C,1.6X0.2*%", "G04 tracé du CI *", "G54D10*",
                                  "G01X10000Y175580D02*", "X30000Y175580D01*", "G54D11*",
                                  "X10000Y175580D03*", "M02*"}));
  EXPECT_EQ(Layer(BoardLayer::Solder),
            kGerberHeader + CrLf({"G04 définition des ouvertures pour les pastilles rondes *",
                                  "%ADD10C,1.6X0.2*%", "G04 tracé du CI *", "G54D10*",
                                  "X10000Y175580D03*", "M02*"}))
      << "the through pad is on both copper sides, the component track is not";
  EXPECT_EQ(Layer(BoardLayer::Silkscreen), kGerberHeader + CrLf({"G04 tracé du CI *", "M02*"}))
      << "an empty layer still gets its file";
  EXPECT_TRUE(ui.Messages.empty());
}

TEST_F(GerberLayerTest, AperturesAreNumberedByTableThenFirstAppearance) {
  // Added in the reverse of the numbering order, two track widths.
  const std::int32_t s = BoardLayer::Silkscreen;
  board = {Element(0, ElementKind::Text, s, 2.0f, 50, 50, 0, 0, "A"),
           Element(0, ElementKind::Circle, s, 1.0f, 60, 60),
           Element(0, ElementKind::RectPad, s, 0.5f, 70, 70),
           Element(0, ElementKind::OvalPad, s, 1.0f, 80, 80),
           Element(0, ElementKind::SquarePad, s, 0.6f, 90, 90),
           Element(0, ElementKind::RoundPad, s, 0.5f, 100, 100),
           Element(0, ElementKind::Track, s, 0.4f, 1, 1, 2, 2),
           Element(0, ElementKind::Track, s, 0.25f, 1, 1, 2, 2),
           Element(0, ElementKind::Track, s, 0.4f, 3, 3, 4, 4)};
  EXPECT_EQ(Definitions(s), (std::vector<std::string>{
                                "G04 définition des ouvertures pour les pistes *",
                                "%ADD10C,0.4*%",
                                "%ADD11C,0.25*%",
                                "G04 définition des ouvertures pour les pastilles rondes *",
                                "%ADD12C,1.X0.2*%",
                                "G04 définition des ouvertures pour les pastilles carrées *",
                                "%ADD13R,1.2X1.2X0.2*%",
                                "G04 définition des ouvertures pour les pastilles ovales *",
                                "%ADD14O,4.X2.X0.2*%",
                                "%ADD15O,2.X4.X0.2*%",
                                "G04 définition des ouvertures pour les pastilles rectangulaires *",
                                "%ADD16R,2.X1.X0.2*%",
                                "%ADD17R,1.X2.X0.2*%",
                                "G04 définition de l'ouverture pour les cercles *",
                                "%ADD18C,0.150*%",
                                "G04 définition des ouvertures pour le texte *",
                                "%ADD19C,0.333*%",
                            }));
}

TEST_F(GerberLayerTest, ApertureIsSelectedOnlyWhenItChanges) {
  const float widths[] = {0.3f, 0.3f, 0.3f, 0.3f, 0.3f, 0.5f, 0.5f, 0.5f, 0.3f, 0.3f};
  for (int i = 0; i < 10; ++i)
    board.push_back(Element(0, ElementKind::Track, BoardLayer::Solder, widths[i],
                            static_cast<float>(i), 1, static_cast<float>(i), 5));
  EXPECT_EQ(Definitions(BoardLayer::Solder),
            (std::vector<std::string>{"G04 définition des ouvertures pour les pistes *",
                                      "%ADD10C,0.3*%", "%ADD11C,0.5*%"}));
  EXPECT_EQ(Selections(BoardLayer::Solder),
            (std::vector<std::string>{"G54D10*", "G54D11*", "G54D10*"}));
  EXPECT_EQ(Body(BoardLayer::Solder).size(), 3u + 10u * 2u);

  board.assign(10, Element(0, ElementKind::Track, BoardLayer::Solder, 0.3f, 1, 1, 2, 2));
  EXPECT_EQ(Selections(BoardLayer::Solder), std::vector<std::string>{"G54D10*"});
}

TEST_F(GerberLayerTest, LongPadsHaveTwoAperturesChosenByAngle) {
  for (int angle : {0, 0, 90, 270, 180})
    board.push_back(Element(0, ElementKind::OvalPad, BoardLayer::Through, 1.0f, 10, 20, 0, 0, "",
                            angle));
  board.push_back(Element(0, ElementKind::RectPad, BoardLayer::Through, 0.5f, 12, 20, 0, 0, "", 90));
  EXPECT_EQ(Definitions(BoardLayer::Component),
            (std::vector<std::string>{
                "G04 définition des ouvertures pour les pastilles ovales *", "%ADD10O,4.X2.X0.2*%",
                "%ADD11O,2.X4.X0.2*%",
                "G04 définition des ouvertures pour les pastilles rectangulaires *",
                "%ADD12R,2.X1.X0.2*%", "%ADD13R,1.X2.X0.2*%"}));
  EXPECT_EQ(Body(BoardLayer::Component),
            (std::vector<std::string>{"G54D10*", "X10000Y175580D03*", "X10000Y175580D03*",
                                      "G54D11*", "X10000Y175580D03*", "X10000Y175580D03*",
                                      "G54D10*", "X10000Y175580D03*", "G54D13*",
                                      "X12000Y175580D03*"}));

  board = {Element(0, ElementKind::OvalPad, BoardLayer::Through, 1.0f, 10, 20)};
  EXPECT_EQ(Definitions(BoardLayer::Solder).size(), 3u) << "both apertures even if all lie flat";
}

TEST_F(GerberLayerTest, CircleIsOneFullTurnFromItsRightmostPoint) {
  board = {Element(0, ElementKind::Circle, BoardLayer::Silkscreen, 2.5f, 50, 100)};
  EXPECT_EQ(Body(BoardLayer::Silkscreen),
            (std::vector<std::string>{"G54D10*", "G01X52500Y95580D02*", "G75*",
                                      "G03X52500Y95580I-2500J0D01*", "G01*"}));
}

TEST_F(GerberLayerTest, EachFileTakesItsLayersAndNeverHoles) {
  board = EveryKindBoard();
  const std::string component = Layer(BoardLayer::Component);
  const std::string solder = Layer(BoardLayer::Solder);
  const std::string silkscreen = Layer(BoardLayer::Silkscreen);
  // The drill of every pad is left to the drill file; dead and unused kinds
  // (all 3 mm wide, a size nothing else has) never come out.
  for (const std::string* file : {&component, &solder, &silkscreen}) {
    EXPECT_EQ(file->find("C,0.8X0.2"), std::string::npos) << "a 0.4 hole as a pad";
    EXPECT_EQ(file->find("C,3."), std::string::npos);
    EXPECT_EQ(file->find("X1000Y194580"), std::string::npos);
  }
  EXPECT_EQ(component.find("cercles"), std::string::npos);
  EXPECT_EQ(solder.find("cercles"), std::string::npos);
  EXPECT_NE(silkscreen.find("cercles"), std::string::npos);
  EXPECT_EQ(silkscreen.find("pastilles"), std::string::npos);
  for (const std::string* copper : {&component, &solder})
    for (const char* pads : {"rondes", "carrées", "ovales", "rectangulaires"})
      EXPECT_NE(copper->find(pads), std::string::npos) << pads;
  EXPECT_NE(component.find("%ADD10C,0.8*%\r\n%ADD11C,0.317*%\r\n"), std::string::npos);
  EXPECT_NE(solder.find("pistes *\r\n%ADD10C,0.5*%\r\nG04"), std::string::npos);
  EXPECT_NE(silkscreen.find("pistes *\r\n%ADD10C,0.25*%\r\nG04"), std::string::npos);
}

TEST_F(GerberLayerTest, SolderTextIsMirroredAndComponentTextIsNot) {
  // "L" of height 1 at (10, 20): the stem, then the foot to the right
  // (left when seen from the solder side).
  board = {Element(0, ElementKind::Text, BoardLayer::Component, 1.0f, 10, 20, 0, 0, "L"),
           Element(0, ElementKind::Text, BoardLayer::Solder, 1.0f, 10, 20, 0, 0, "L")};
  const std::vector<std::string> component = Body(BoardLayer::Component);
  const std::vector<std::string> solder = Body(BoardLayer::Solder);
  EXPECT_EQ(component, (std::vector<std::string>{"G54D10*", "G01X10000Y175580D02*",
                                                 "X10000Y174680D01*", "G01X10000Y174680D02*",
                                                 "X10800Y174680D01*"}));
  EXPECT_EQ(solder, (std::vector<std::string>{"G54D10*", "G01X10800Y175580D02*",
                                              "X10800Y174680D01*", "G01X10800Y174680D02*",
                                              "X10000Y174680D01*"}));
  EXPECT_EQ(Definitions(BoardLayer::Solder).back(), "%ADD10C,0.167*%");
}

TEST_F(GerberLayerTest, TextAtABadAngleIsReportedPerCharacterAndNotWritten) {
  board = {Element(0, ElementKind::Text, BoardLayer::Component, 2.0f, 10, 20, 0, 0, "A B.", 45)};
  EXPECT_EQ(Body(BoardLayer::Component), std::vector<std::string>{"G54D10*"});
  EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>(3, "Angle incorrect !"));
}

// Photoplotted texts must look like the screen's: at a height of 1000 units
// the screen font rounds nothing, so drawn in micrometres it must give the
// very segments of the Gerber file, for every glyph, angle and mirroring.
class GerberTextMatchesScreenFont : public ::testing::TestWithParam<std::tuple<int, bool>> {};

TEST_P(GerberTextMatchesScreenFont, SameSegmentsAsTheScreenFont) {
  const auto [angle, mirror] = GetParam();
  const std::string text = "ABCDEFGHIJKLMNOPQRSTUVWXYZ 0123456789()=+-*/,;%!:><\" abc 2.54mm µ&";
  testing_support::ScriptedUi ui;
  testing_support::RecordingCanvas canvas;
  common::StrokeFont font(common::FontVariant::Lyt);
  font.DrawText(text, 120000, 80000, 1000, 0, angle, mirror, canvas, 1000.0);

  std::string out;
  float x = 120, y = 80;
  GerberText(out, text, x, y, 1.0f, angle, mirror, ui);
  EXPECT_NEAR(x * 1000.0, canvas.CurrentX(), 0.5);
  EXPECT_NEAR(y * 1000.0, canvas.CurrentY(), 0.5);

  std::vector<std::string> expected;
  auto point = [](int cx, int cy) {
    return "X" + std::to_string(cx) + "Y" + std::to_string(195580 - cy);
  };
  for (const auto& line : canvas.Lines()) {
    expected.push_back("G01" + point(line.X1, line.Y1) + "D02*");
    expected.push_back(point(line.X2, line.Y2) + "D01*");
  }
  EXPECT_EQ(expected.size(), 2u * (271u + 20u + 27u)) << "every glyph, \"abc\" and \"254MM\"";
  EXPECT_EQ(Lines(out), expected);
  EXPECT_TRUE(ui.Messages.empty());
}

INSTANTIATE_TEST_SUITE_P(AnglesAndMirror, GerberTextMatchesScreenFont,
                         ::testing::Combine(::testing::Values(0, 90, 180, 270), ::testing::Bool()));

}  // namespace
