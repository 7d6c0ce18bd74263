#pragma once

#include <QByteArray>
#include <QString>

// Every file the program writes goes through here: whole or not at all (QSaveFile), and only to
// a new name or over an existing regular file. A device, a pipe, a socket or a folder under the
// chosen name is left alone, where a rename over it would have replaced it.
namespace FileWriter {

// On failure `reason` says, in the reader's words, what stopped it: not an ordinary file, no
// space left, no permission, a read-only place, a missing folder, or what the system reported.
bool write(const QString &path, const QByteArray &bytes, QString *reason);

} // namespace FileWriter
