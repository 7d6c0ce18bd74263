#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// Built-in texts are kept in resource files of entries:
//   a line "@@ key" starts an entry; its text is every following line up to the next "@@ " line,
//   without leading and trailing empty lines.
namespace TextData {

QHash<QString, QString> parse(const QString &source);

// The entries of a built-in resource file, read once. An unknown file gives no entries.
const QHash<QString, QString> &file(const QString &resourcePath);

// One entry of a built-in file that must be there: a missing one stops a debug build and reads
// as empty text in a release build.
QString text(const QString &resourcePath, const QString &key);
// An entry that a file may or may not have; empty when it is missing.
QString optional(const QString &resourcePath, const QString &key);

// An entry's lines without their surrounding blanks, empty lines left out (option labels).
QStringList lines(const QString &text);

} // namespace TextData
