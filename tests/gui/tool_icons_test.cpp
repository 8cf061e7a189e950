#include "common/ui/tool_icons.h"

#include <QPixmap>
#include <QStringList>

#include <gtest/gtest.h>

#include <functional>

namespace {

using common::Program;

int OpaquePixels(const QImage& image) {
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  int count = 0;
  for (int y = 0; y < argb.height(); ++y)
    for (int x = 0; x < argb.width(); ++x)
      if (qAlpha(argb.pixel(x, y)) > 128) ++count;
  return count;
}

QImage Rendered(const QIcon& icon, int pixels, QIcon::Mode mode = QIcon::Normal) {
  return icon.pixmap(QSize(pixels, pixels), 1.0, mode).toImage().convertToFormat(QImage::Format_ARGB32);
}

// Every tool of each program has an icon that shows at both sizes and looks
// unlike the other tools of its palette.
TEST(ToolIconTest, EveryToolHasAVisibleIconOfItsOwn) {
  const std::pair<QStringList, std::function<QIcon(const QString&)>> palettes[] = {
      {{"OptSelect", "OptPiste", "OptPastilleR", "OptPastilleC", "OptPastilleOH", "OptPastilleRect",
        "OptTrou", "OptRond", "OptTexte", "OptEmp", "OptComposant", "OptSoudure", "OptSerig"},
       common::ToolIcon},
      {{"OptSelect", "OptFil", "OptPoint", "Optbus", "OptJonction", "OptEntreeBus", "OptMasse",
        "OptTerre", "OptPlus5V", "OptMoins5V", "OptFleche", "OptRenvoi", "OptRond", "OptTexte",
        "OptComposant"},
       common::SchematicToolIcon}};
  for (const auto& [names, lookup] : palettes) {
    for (int i = 0; i < names.size(); ++i) {
      const std::string name = names[i].toStdString();
      const QIcon icon = lookup(names[i]);
      ASSERT_FALSE(icon.isNull()) << name;
      for (int pixels : {24, 48}) {
        const QImage image = Rendered(icon, pixels);
        EXPECT_EQ(image.size(), QSize(pixels, pixels)) << name;
        EXPECT_GT(OpaquePixels(image), pixels * pixels / 20) << name << " " << pixels;
      }
      for (int j = i + 1; j < names.size(); ++j)
        EXPECT_TRUE(Rendered(icon, 32) != Rendered(lookup(names[j]), 32)) << name << " and "
                                                                          << names[j].toStdString();
    }
  }
  for (const char* name : {"OptComposant", "OptRond"})  // each program its own
    EXPECT_TRUE(Rendered(common::ToolIcon(name), 32) != Rendered(common::SchematicToolIcon(name), 32))
        << name;
  EXPECT_TRUE(common::ToolIcon("OptFil").isNull());
  EXPECT_TRUE(common::SchematicToolIcon("OptPiste").isNull());
  EXPECT_TRUE(common::ToolIcon("").isNull());
}

// A high-density screen gets every device pixel drawn, not a blown-up
// small icon; a disabled icon is faded.
TEST(ToolIconTest, DoubleDensityIsDrawnAtFullResolutionAndDisabledIsFaded) {
  const QIcon icon = common::ToolIcon("OptPastilleR");
  const QPixmap pixmap = icon.pixmap(QSize(24, 24), 2.0);
  EXPECT_EQ(pixmap.size(), QSize(48, 48));
  EXPECT_DOUBLE_EQ(pixmap.devicePixelRatio(), 2.0);
  const QImage sharp = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
  EXPECT_TRUE(sharp == Rendered(icon, 48));
  EXPECT_TRUE(sharp != Rendered(icon, 24).scaled(48, 48));

  const QIcon soudure = common::ToolIcon("OptSoudure");
  const QImage disabled = Rendered(soudure, 24, QIcon::Disabled);
  EXPECT_TRUE(disabled != Rendered(soudure, 24));
  EXPECT_LT(OpaquePixels(disabled), OpaquePixels(Rendered(soudure, 24)));
}

TEST(ToolIconTest, ProgramIconsAreDrawnAtTheAskedSize) {
  for (Program program : {Program::Lyt, Program::Skt}) {
    const QImage image = common::ProgramIconImage(program, 64);
    EXPECT_EQ(image.size(), QSize(64, 64));
    EXPECT_GT(OpaquePixels(image), 64 * 64 / 2);
    EXPECT_FALSE(common::ProgramIcon(program).isNull());
  }
  EXPECT_TRUE(common::ProgramIconImage(Program::Lyt, 48) != common::ProgramIconImage(Program::Skt, 48));
}

}  // namespace
