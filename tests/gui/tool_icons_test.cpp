#include "common/ui/tool_icons.h"

#include <QPixmap>
#include <QStringList>

#include <gtest/gtest.h>

#include <functional>

namespace {

QImage Rendered(const QIcon& icon, int pixels) {
  return icon.pixmap(QSize(pixels, pixels), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
}

// Every tool of each program has an icon unlike the other tools of its palette.
TEST(ToolIconTest, EveryToolHasAnIconOfItsOwn) {
  const std::pair<QStringList, std::function<QIcon(const QString&)>> palettes[] = {
      {{"OptSelect", "OptPiste", "OptPastilleR", "OptPastilleC", "OptPastilleOH", "OptPastilleRect",
        "OptTrou", "OptRond", "OptTexte", "OptEmp", "OptComposant", "OptSoudure", "OptSerig"},
       common::ToolIcon},
      {{"OptSelect", "OptFil", "OptPoint", "Optbus", "OptJonction", "OptEntreeBus", "OptMasse",
        "OptTerre", "OptPlus5V", "OptMoins5V", "OptFleche", "OptRenvoi", "OptRond", "OptTexte",
        "OptComposant"},
       common::SchematicToolIcon}};
  for (const auto& [names, lookup] : palettes)
    for (int i = 0; i < names.size(); ++i) {
      const std::string name = names[i].toStdString();
      const QIcon icon = lookup(names[i]);
      ASSERT_FALSE(icon.isNull()) << name;
      for (int j = i + 1; j < names.size(); ++j)
        EXPECT_TRUE(Rendered(icon, 32) != Rendered(lookup(names[j]), 32)) << name << " and "
                                                                          << names[j].toStdString();
    }
}

// A high-density screen gets every device pixel drawn, not a blown-up small icon.
TEST(ToolIconTest, DoubleDensityIsDrawnAtFullResolution) {
  const QIcon icon = common::ToolIcon("OptPastilleR");
  const QPixmap pixmap = icon.pixmap(QSize(24, 24), 2.0);
  EXPECT_EQ(pixmap.size(), QSize(48, 48));
  EXPECT_DOUBLE_EQ(pixmap.devicePixelRatio(), 2.0);
  const QImage sharp = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
  EXPECT_TRUE(sharp == Rendered(icon, 48));
  EXPECT_TRUE(sharp != Rendered(icon, 24).scaled(48, 48));
}

}  // namespace
