#include "SafeFile.h"

#include "MessageText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <sys/stat.h>

namespace SafeFile {

namespace {

constexpr int kMaxLinks = 40; // as the system's own limit on links in a path

/** What a path that is no regular file is, in words. */
QString kindOf(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return QStringLiteral("something that is no file");
    if (S_ISDIR(st.st_mode))
        return QStringLiteral("a folder");
    if (S_ISFIFO(st.st_mode))
        return QStringLiteral("a FIFO");
    if (S_ISCHR(st.st_mode))
        return QStringLiteral("a character device");
    if (S_ISBLK(st.st_mode))
        return QStringLiteral("a block device");
    if (S_ISSOCK(st.st_mode))
        return QStringLiteral("a socket");
    return QStringLiteral("something that is no file");
}

/** The path a write goes to: the file a chain of links names, or path itself. */
QString finalPath(const QString& path) {
    QString at = path;
    for (int i = 0; i < kMaxLinks; ++i) {
        const QFileInfo info(at);
        if (!info.isSymLink())
            return at;
        at = info.symLinkTarget(); // absolute, relative links resolved
    }
    return at;
}

QString describe(qint64 limit) {
    return limit % (1024 * 1024) == 0 ? QStringLiteral("%1 MB").arg(limit / (1024 * 1024))
                                      : QStringLiteral("%1 bytes").arg(limit);
}

} // namespace

QString WhyNotWritable(const QString& path) {
    const QString target = finalPath(path);
    const QFileInfo info(target);
    if (info.exists() && !info.isFile())
        return QStringLiteral("it is %1, not a file; choose a file name").arg(kindOf(target));
    const QFileInfo folder(info.absolutePath());
    if (!folder.isDir())
        return QStringLiteral("the folder %1 does not exist")
            .arg(MessageText::Path(folder.absoluteFilePath()));
    if (!folder.isWritable())
        return QStringLiteral("the folder %1 cannot be written")
            .arg(MessageText::Path(folder.absoluteFilePath()));
    return {};
}

Result<void> Write(const QString& path, const QByteArray& bytes) {
    const auto refused = [&path](const QString& why) {
        return Result<void>::Failure(
            QStringLiteral("Cannot write %1: %2.").arg(MessageText::Path(path), why));
    };
    if (const QString why = WhyNotWritable(path); !why.isEmpty())
        return refused(why);
    // Unbuffered: a buffered write would report a full disk only while the
    // file is committed, too late for the temporary file to be dropped, and
    // an empty file would replace the old one.
    QSaveFile file(finalPath(path));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return refused(file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return refused(why);
    }
    if (!file.commit())
        return refused(file.errorString());
    return Result<void>::Ok();
}

Result<QByteArray> Read(const QString& path, qint64 limit, bool cutShort) {
    const QString file = MessageText::Path(path);
    if (QFileInfo(path).isDir())
        return Result<QByteArray>::Failure(
            QStringLiteral("Cannot read %1: it is a folder, not a file.").arg(file));
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return Result<QByteArray>::Failure(
            QStringLiteral("Cannot open %1: %2.").arg(file, in.errorString()));
    // One byte more than allowed tells a larger input from one of the limit;
    // a pipe or a FIFO gives its bytes in pieces.
    QByteArray bytes;
    while (bytes.size() <= limit) {
        const QByteArray piece = in.read(limit + 1 - bytes.size());
        if (piece.isEmpty())
            break;
        bytes += piece;
    }
    if (in.error() != QFileDevice::NoError)
        return Result<QByteArray>::Failure(
            QStringLiteral("Cannot read %1: %2.").arg(file, in.errorString()));
    if (bytes.size() > limit) {
        if (!cutShort)
            return Result<QByteArray>::Failure(
                QStringLiteral("Cannot read %1: it holds more than %2, far more than any "
                               "codeplug.")
                    .arg(file, describe(limit)));
        bytes.truncate(static_cast<qsizetype>(limit));
    }
    return bytes;
}

} // namespace SafeFile
