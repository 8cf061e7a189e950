#include "common/ui/tool_icons.h"

#include <QPixmap>
#include <QStringList>

#include <gtest/gtest.h>

#include <functional>

namespace {

using common::Program;

using IconLookup = std::function<QIcon(const QString&)>;

const QStringList kBoardTools = {
    "OptSelect", "OptPiste", "OptPastilleR", "OptPastilleC", "OptPastilleOH",
    "OptPastilleRect", "OptTrou", "OptRond", "OptTexte", "OptEmp",
    "OptComposant", "OptSoudure", "OptSerig"};

const QStringList kSchematicTools = {
    "OptSelect", "OptFil", "OptPoint", "Optbus", "OptJonction",
    "OptEntreeBus", "OptMasse", "OptTerre", "OptPlus5V", "OptMoins5V",
    "OptFleche", "OptRenvoi", "OptRond", "OptTexte", "OptComposant"};

int OpaquePixels(const QImage& image) {
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  int count = 0;
  for (int y = 0; y < argb.height(); ++y)
    for (int x = 0; x < argb.width(); ++x)
      if (qAlpha(argb.pixel(x, y)) > 128) ++count;
  return count;
}

QImage Rendered(const QIcon& icon, int pixels) {
  return icon.pixmap(QSize(pixels, pixels), 1.0).toImage().convertToFormat(
      QImage::Format_ARGB32);
}

void ExpectEveryToolDrawn(const QStringList& names, const IconLookup& lookup) {
  for (const QString& name : names) {
    const QIcon icon = lookup(name);
    ASSERT_FALSE(icon.isNull()) << name.toStdString();
    for (int pixels : {24, 48}) {
      const QImage image = Rendered(icon, pixels);
      EXPECT_EQ(image.size(), QSize(pixels, pixels)) << name.toStdString();
      EXPECT_GT(OpaquePixels(image), pixels * pixels / 20) << name.toStdString() << " " << pixels;
    }
  }
}

void ExpectToolsDistinct(const QStringList& names, const IconLookup& lookup) {
  for (int i = 0; i < names.size(); ++i)
    for (int j = i + 1; j < names.size(); ++j)
      EXPECT_TRUE(Rendered(lookup(names[i]), 32) != Rendered(lookup(names[j]), 32))
          << names[i].toStdString() << " and " << names[j].toStdString();
}

TEST(ToolIconTest, EveryBoardToolHasAVisibleIcon) {
  ExpectEveryToolDrawn(kBoardTools, common::ToolIcon);
}

TEST(ToolIconTest, EverySchematicToolHasAVisibleIcon) {
  ExpectEveryToolDrawn(kSchematicTools, common::SchematicToolIcon);
}

TEST(ToolIconTest, BoardToolsLookDifferent) { ExpectToolsDistinct(kBoardTools, common::ToolIcon); }

TEST(ToolIconTest, SchematicToolsLookDifferent) {
  ExpectToolsDistinct(kSchematicTools, common::SchematicToolIcon);
}

TEST(ToolIconTest, SharedNamesGiveEachProgramItsOwnIcon) {
  for (const char* name : {"OptComposant", "OptRond"})
    EXPECT_TRUE(Rendered(common::ToolIcon(name), 32) !=
                Rendered(common::SchematicToolIcon(name), 32))
        << name;
}

// A high-density screen gets every device pixel drawn, not a blown-up
// small icon.
TEST(ToolIconTest, DoubleDensityIsDrawnAtFullResolution) {
  const QIcon icon = common::ToolIcon("OptPastilleR");
  const QPixmap pixmap = icon.pixmap(QSize(24, 24), 2.0);
  EXPECT_EQ(pixmap.size(), QSize(48, 48));
  EXPECT_DOUBLE_EQ(pixmap.devicePixelRatio(), 2.0);
  const QImage sharp = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
  const QImage upscaled = Rendered(icon, 24).scaled(48, 48);
  EXPECT_TRUE(sharp == Rendered(icon, 48));
  EXPECT_TRUE(sharp != upscaled);
}

TEST(ToolIconTest, DisabledIconIsFaded) {
  const QIcon icon = common::ToolIcon("OptSoudure");
  const QImage normal = Rendered(icon, 24);
  const QImage disabled =
      icon.pixmap(QSize(24, 24), 1.0, QIcon::Disabled).toImage().convertToFormat(
          QImage::Format_ARGB32);
  EXPECT_TRUE(disabled != normal);
  EXPECT_LT(OpaquePixels(disabled), OpaquePixels(normal));
}

TEST(ToolIconTest, UnknownNameGivesNullIcon) {
  EXPECT_TRUE(common::ToolIcon("OptFil").isNull());
  EXPECT_TRUE(common::SchematicToolIcon("OptPiste").isNull());
  EXPECT_TRUE(common::ToolIcon("").isNull());
}

TEST(ToolIconTest, ProgramIconsAreDrawnAtTheAskedSize) {
  for (Program program : {Program::Lyt, Program::Skt}) {
    const QImage image = common::ProgramIconImage(program, 64);
    EXPECT_EQ(image.size(), QSize(64, 64));
    EXPECT_GT(OpaquePixels(image), 64 * 64 / 2);
    EXPECT_FALSE(common::ProgramIcon(program).isNull());
  }
  EXPECT_TRUE(common::ProgramIconImage(Program::Lyt, 48) !=
              common::ProgramIconImage(Program::Skt, 48));
}

}  // namespace
