#include "Backups.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

namespace Backups {

QString Folder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("qx7/backups"));
}

QString NewPath(const QString& folder, const Codeplug& codeplug, const QDateTime& time) {
    // Only letters, digits, dots and dashes of the band text: "450 - 470MHz" is "450-470MHz".
    QString band = codeplug.bandText;
    band.remove(QRegularExpression(QStringLiteral("[^A-Za-z0-9.-]")));
    QString code = codeplug.modelCode;
    code.remove(QRegularExpression(QStringLiteral("[^A-Za-z0-9]")));
    const QString stem = QStringLiteral("%1_%2_%3")
                             .arg(code.isEmpty() ? QStringLiteral("radio") : code,
                                  band.isEmpty() ? QStringLiteral("band") : band,
                                  time.toString(QStringLiteral("yyyy-MM-dd_HHmmss")));
    const QDir dir(folder);
    QString path = dir.filePath(stem + QStringLiteral(".dat"));
    for (int n = 2; QFileInfo::exists(path) || QFileInfo(path).isSymLink(); ++n)
        path = dir.filePath(QStringLiteral("%1_%2.dat").arg(stem).arg(n));
    return path;
}

} // namespace Backups
