#pragma once

#include <QFileInfo>
#include <QHash>
#include <QIdentityProxyModel>
#include <QStringList>

namespace common {

// The size, type and date columns of the file dialog, in French whatever the
// system's language. Qt 6 takes the type of a folder from the catalogue
// context QAbstractFileIconProvider, which its French translation lacks (it
// has only the older QFileDialog one), so "Folder" shows; sizes ("bytes"),
// dates and file types come from the system's locale and the MIME database,
// not from any catalogue, so no translation reaches them.
class FrenchFileColumns : public QIdentityProxyModel {
  Q_OBJECT

 public:
  // `nameFilters` as the dialog shows them ("Circuit Imprimé (*.Lyt)"): a
  // file of one of those types is described as its filter is.
  FrenchFileColumns(const QStringList& nameFilters, QObject* parent);

  QVariant data(const QModelIndex& index, int role) const override;

 private:
  QString TypeOf(const QFileInfo& info, const QModelIndex& index) const;

  QHash<QString, QString> descriptions_;  // by lower-case suffix
};

}  // namespace common
