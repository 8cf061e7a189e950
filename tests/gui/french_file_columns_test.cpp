// The file dialog's columns speak French whatever the system's language.
#include "common/ui/french_file_columns.h"

#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

namespace {

TEST(FrenchFileColumns, FoldersSizesTypesAndDatesAreFrench) {
  QTemporaryDir folder;
  QDir(folder.path()).mkdir("sous-dossier");
  const std::pair<const char*, int> files[] = {{"a.Lyt", 1}, {"b.emp", 5000}, {"c.txt", 2}};
  for (const auto& [name, size] : files) {
    QFile file(folder.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(size, 'x'));
  }
  QFileSystemModel model;
  QSignalSpy loaded(&model, &QFileSystemModel::directoryLoaded);
  const QModelIndex root = model.setRootPath(folder.path());
  ASSERT_TRUE(loaded.wait(10000));
  common::FrenchFileColumns french({"Circuit Imprimé (*.Lyt)", "Empreinte (*.Emp)"}, &model);
  french.setSourceModel(&model);

  // Size and type by name; a text file is not a document: the system names it.
  const std::map<QString, std::pair<QString, QString>> expected = {
      {"sous-dossier", {"", "Dossier"}}, {"a.Lyt", {"1 octet", "Circuit Imprimé"}},
      {"b.emp", {"4,88 Kio", "Empreinte"}}, {"c.txt", {"2 octets", ""}}};
  ASSERT_EQ(model.rowCount(root), 4);
  for (int row = 0; row < 4; ++row) {
    auto text = [&](int column) { return french.index(row, column, french.mapFromSource(root)).data().toString(); };
    const auto& [size, type] = expected.at(text(0));
    EXPECT_EQ(text(1).replace(QChar(0x202F), ' ').replace(QChar(0xA0), ' '), size) << text(0).toStdString();
    EXPECT_TRUE(type.isEmpty() || text(2) == type) << text(2).toStdString();
    EXPECT_TRUE(QRegularExpression(R"(^\d\d/\d\d/\d{4} \d\d:\d\d$)").match(text(3)).hasMatch()) << text(3).toStdString();
  }
}

}  // namespace
