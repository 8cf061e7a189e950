#include "common/ui/tool_icons.h"

#include <QPixmap>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

QImage Rendered(const QIcon& icon) {
  return icon.pixmap(QSize(32, 32), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
}

// Every tool of each program has an icon unlike the other tools of its palette.
TEST(ToolIconTest, EveryToolHasAnIconOfItsOwn) {
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
      for (int j = i + 1; j < names.size(); ++j)
        EXPECT_TRUE(Rendered(icon) != Rendered(lookup(names[j])))
            << name << " and " << names[j].toStdString();
    }
}

}  // namespace
