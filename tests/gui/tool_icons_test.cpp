#include "common/ui/tool_icons.h"

#include <QPixmap>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

QImage Rendered(const QIcon& icon, int pixels, double ratio = 1.0) {
  return icon.pixmap(QSize(pixels, pixels), ratio).toImage().convertToFormat(QImage::Format_ARGB32);
}

// Every tool of each program has an icon unlike the other tools of its
// palette, drawn at full resolution on a double-density screen rather than
// blown up from the small one.
TEST(ToolIconTest, EveryToolHasASharpIconOfItsOwn) {
  const std::pair<QStringList, QIcon (*)(const QString&)> palettes[] = {
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
      const QImage sharp = Rendered(icon, 24, 2.0);
      EXPECT_TRUE(sharp == Rendered(icon, 48) && sharp != Rendered(icon, 24).scaled(48, 48))
          << name;
      for (int j = i + 1; j < names.size(); ++j)
        EXPECT_TRUE(Rendered(icon, 32) != Rendered(lookup(names[j]), 32))
            << name << " and " << names[j].toStdString();
    }
}

}  // namespace
