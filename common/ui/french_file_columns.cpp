#include "common/ui/french_file_columns.h"

#include <QDateTime>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLocale>
#include <QRegularExpression>

namespace common {
namespace {

enum Column { Name, Size, Type, Modified };

QLocale French() { return QLocale(QLocale::French, QLocale::France); }

// French counts 0 and 1 in the singular, which the locale's unit does not.
QString FrenchSize(qint64 bytes) {
  if (bytes < 2) return QStringLiteral("%1 octet").arg(bytes);
  return French().formattedDataSize(bytes);
}

}  // namespace

FrenchFileColumns::FrenchFileColumns(const QStringList& nameFilters, QObject* parent)
    : QIdentityProxyModel(parent) {
  const QRegularExpression filter(R"(^(.*\S)\s*\(\*\.([^ ;)]+)\)$)");
  for (const QString& nameFilter : nameFilters) {
    const QRegularExpressionMatch match = filter.match(nameFilter);
    if (match.hasMatch()) descriptions_.insert(match.captured(2).toLower(), match.captured(1));
  }
}

QVariant FrenchFileColumns::data(const QModelIndex& index, int role) const {
  const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
  if (role != Qt::DisplayRole || !files || index.column() == Name)
    return QIdentityProxyModel::data(index, role);
  const QFileInfo info = files->fileInfo(mapToSource(index));
  switch (index.column()) {
    case Size: return info.isDir() ? QString() : FrenchSize(info.size());
    case Type: return TypeOf(info, index);
    case Modified: return French().toString(info.lastModified(), QLocale::ShortFormat);
    default: return QIdentityProxyModel::data(index, role);
  }
}

// A document of the dialog's filters as the filter says, a folder as a
// folder; anything else keeps what the system calls it.
QString FrenchFileColumns::TypeOf(const QFileInfo& info, const QModelIndex& index) const {
  if (info.isDir()) return QStringLiteral("Dossier");
  const auto described = descriptions_.find(info.suffix().toLower());
  if (described != descriptions_.end()) return *described;
  return QIdentityProxyModel::data(index, Qt::DisplayRole).toString();
}

}  // namespace common
