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

// What an archive may hold, so that no input makes the program spend more than this on it. The
// Wood skin unpacks to about 130 KB; four times that leaves room for its textures to grow.
constexpr quint32 kMaxUnpacked = 512u * 1024u;
constexpr int kMaxEntries = 256;

// Empty when the files exceed the limits above (or zlib fails).
QByteArray pack(const Files &files);

// nullopt when the bytes are not a complete, consistent archive (nothing may follow its stream).
std::optional<Files> unpack(const QByteArray &archive);

} // namespace SkinArchive
