#include "ui/platform/filewriter.h"

#include "book/texts.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

#include <cerrno>
#include <cstring>

namespace {

QString text(const char *key)
{
    return TextData::text(QStringLiteral(":/data/app.txt"), QString::fromLatin1(key));
}

// What the system said when the write failed, or failing that what the folder shows now.
QString causeOf(int error, const QString &folder, qint64 size, const QString &reported)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return text("write.nospace");
    case EACCES:
    case EPERM:
        return text("write.denied");
    case EROFS:
        return text("write.readonly");
    case ENOENT:
    case ENOTDIR:
        return text("write.nofolder");
    default:
        break;
    }
    const QFileInfo dir(folder);
    if (!dir.isDir())
        return text("write.nofolder");
    const QStorageInfo storage(folder);
    if (storage.isValid() && storage.isReadOnly())
        return text("write.readonly");
    if (storage.isValid() && storage.bytesAvailable() >= 0 && storage.bytesAvailable() < size + 4096)
        return text("write.nospace");
    if (!dir.isWritable())
        return text("write.denied");
    return text("write.other").arg(error ? QString::fromLocal8Bit(std::strerror(error)) : reported);
}

} // namespace

bool FileWriter::write(const QString &path, const QByteArray &bytes, QString *reason)
{
    const QFileInfo target(path);
    const QString folder = target.absolutePath();
    const auto fail = [&](const QString &why) {
        if (reason)
            *reason = why;
        return false;
    };
    // isFile() follows a link: a link to an ordinary file is written through, a dangling one is not.
    if ((target.exists() && !target.isFile()) || (target.isSymLink() && !target.exists()))
        return fail(text("write.notfile"));
    if (!QFileInfo(folder).isDir())
        return fail(text("write.nofolder"));

    // Unbuffered, so that a failing write reaches the system at once and errno still tells why.
    QSaveFile out(path);
    errno = 0;
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(causeOf(errno, folder, bytes.size(), out.errorString()));
    errno = 0;
    if (out.write(bytes) != bytes.size()) {
        const int error = errno;
        const QString reported = out.errorString();
        out.cancelWriting();
        return fail(causeOf(error, folder, bytes.size(), reported));
    }
    errno = 0;
    if (!out.commit())
        return fail(causeOf(errno, folder, bytes.size(), out.errorString()));
    return true;
}
