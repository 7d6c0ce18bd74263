#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

#include <optional>

// The skin's files travel as one zlib-compressed archive:
//   "WOODSKIN", uncompressed size (uint32, little endian), zlib stream of
//   { name length (uint32 LE), name (UTF-8), data length (uint32 LE), data } ...
// The packer (a build-time tool) and the program share this one definition.
namespace SkinArchive {

using Files = QMap<QString, QByteArray>;

QByteArray pack(const Files &files);

// nullopt when the bytes are not a complete, consistent archive.
std::optional<Files> unpack(const QByteArray &archive);

} // namespace SkinArchive
