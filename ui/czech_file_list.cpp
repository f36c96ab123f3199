#include "czech_file_list.h"

#include <QFileSystemModel>
#include <QLocale>

namespace vemlik {

namespace {

// The columns of Qt's file system model.
enum Column { NameColumn, SizeColumn, TypeColumn, DateColumn };

constexpr qint64 kBytesInKibibyte = 1024;

// "1 bajt", "3 bajty", "190 bajtů"; larger sizes in KiB, MiB, ...
QString sizeText(qint64 bytes, const QLocale& czech) {
    if (bytes >= kBytesInKibibyte) {
        return czech.formattedDataSize(bytes);
    }
    const QString unit = bytes == 1                 ? QStringLiteral("bajt")
                         : bytes >= 2 && bytes <= 4 ? QStringLiteral("bajty")
                                                    : QStringLiteral("bajtů");
    return czech.toString(bytes) + u' ' + unit;
}

} // namespace

QVariant CzechFileList::data(const QModelIndex& index, int role) const {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (role != Qt::DisplayRole || files == nullptr || index.column() == NameColumn) {
        return QIdentityProxyModel::data(index, role);
    }
    const QLocale czech(QLocale::Czech, QLocale::CzechRepublic);
    const QFileInfo info = files->fileInfo(mapToSource(index));
    if (index.column() == SizeColumn && info.isFile()) {
        return sizeText(info.size(), czech);
    }
    // Qt names a file's type in the language of the default locale.
    if (index.column() == TypeColumn && info.isFile() && QLocale().language() != QLocale::Czech) {
        return QStringLiteral("Soubor");
    }
    if (index.column() == DateColumn) {
        return czech.toString(info.lastModified(), QLocale::ShortFormat);
    }
    return QIdentityProxyModel::data(index, role);
}

} // namespace vemlik
