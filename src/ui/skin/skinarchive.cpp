#include "ui/skin/skinarchive.h"

#include <zlib.h>

namespace {

const QByteArray kMagic = QByteArrayLiteral("WOODSKIN");
using SkinArchive::kMaxEntries;
using SkinArchive::kMaxUnpacked;
// Deflate cannot expand its input by more than about 1032 times; a larger declared size is a lie.
constexpr quint64 kMaxRatio = 1032;

void putU32(QByteArray &out, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        out.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}

bool getU32(const QByteArray &in, qsizetype &pos, quint32 &v)
{
    if (pos < 0 || in.size() - pos < 4)
        return false;
    v = 0;
    for (int i = 0; i < 4; ++i)
        v |= static_cast<quint32>(static_cast<unsigned char>(in[pos + i])) << (8 * i);
    pos += 4;
    return true;
}

} // namespace

QByteArray SkinArchive::pack(const Files &files)
{
    if (files.size() > kMaxEntries)
        return {};
    QByteArray raw;
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        const QByteArray name = it.key().toUtf8();
        putU32(raw, static_cast<quint32>(name.size()));
        raw.append(name);
        putU32(raw, static_cast<quint32>(it.value().size()));
        raw.append(it.value());
    }
    if (quint64(raw.size()) > kMaxUnpacked)
        return {};
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    QByteArray packed(static_cast<qsizetype>(packedSize), Qt::Uninitialized);
    if (compress2(reinterpret_cast<Bytef *>(packed.data()), &packedSize,
                  reinterpret_cast<const Bytef *>(raw.constData()), static_cast<uLong>(raw.size()),
                  Z_BEST_COMPRESSION) != Z_OK)
        return {};
    packed.resize(static_cast<qsizetype>(packedSize));

    QByteArray out = kMagic;
    putU32(out, static_cast<quint32>(raw.size()));
    out.append(packed);
    return out;
}

std::optional<SkinArchive::Files> SkinArchive::unpack(const QByteArray &archive)
{
    if (!archive.startsWith(kMagic))
        return std::nullopt;
    qsizetype pos = kMagic.size();
    quint32 rawSize = 0;
    if (!getU32(archive, pos, rawSize) || rawSize > kMaxUnpacked
        || rawSize > quint64(archive.size() - pos) * kMaxRatio + 64)
        return std::nullopt;

    QByteArray raw(static_cast<qsizetype>(rawSize), Qt::Uninitialized);
    uLongf produced = rawSize;
    const int rc = uncompress(reinterpret_cast<Bytef *>(raw.data()), &produced,
                              reinterpret_cast<const Bytef *>(archive.constData() + pos),
                              static_cast<uLong>(archive.size() - pos));
    if (rc != Z_OK || produced != rawSize)
        return std::nullopt;

    Files files;
    pos = 0;
    for (int entries = 0; pos < raw.size(); ++entries) {
        // Counted as read, not as kept: a repeated name replaces its entry but still costs a pass.
        if (entries == kMaxEntries)
            return std::nullopt;
        quint32 nameLen = 0, dataLen = 0;
        if (!getU32(raw, pos, nameLen) || raw.size() - pos < static_cast<qsizetype>(nameLen))
            return std::nullopt;
        const QString name = QString::fromUtf8(raw.constData() + pos, static_cast<qsizetype>(nameLen));
        pos += nameLen;
        if (!getU32(raw, pos, dataLen) || raw.size() - pos < static_cast<qsizetype>(dataLen))
            return std::nullopt;
        files.insert(name, raw.mid(pos, static_cast<qsizetype>(dataLen)));
        pos += dataLen;
    }
    return files;
}
