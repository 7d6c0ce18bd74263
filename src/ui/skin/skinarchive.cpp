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

    z_stream stream{};
    if (inflateInit(&stream) != Z_OK)
        return std::nullopt;
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(archive.constData() + pos));
    stream.avail_in = static_cast<uInt>(archive.size() - pos);

    // Inflated a piece at a time and read as it comes, so that an archive of too many entries is
    // refused after its first few kilobytes, and memory follows what the stream really holds.
    constexpr qsizetype kStep = 256 * 1024;
    QByteArray raw;
    Files files;
    int entries = 0;
    qsizetype read = 0;   // start of the first entry not yet taken
    int rc = Z_OK;
    while (rc == Z_OK) {
        const qsizetype have = raw.size();
        const qsizetype want = qMin<qsizetype>(kStep, qsizetype(rawSize) - have + 1);
        raw.resize(have + want);
        stream.next_out = reinterpret_cast<Bytef *>(raw.data() + have);
        stream.avail_out = static_cast<uInt>(want);
        rc = inflate(&stream, Z_NO_FLUSH);
        raw.resize(have + want - qsizetype(stream.avail_out));
        if ((rc != Z_OK && rc != Z_STREAM_END) || quint64(raw.size()) > rawSize)
            break;
        // Take every entry that is complete by now.
        for (;;) {
            qsizetype at = read;
            quint32 nameLen = 0, dataLen = 0;
            if (!getU32(raw, at, nameLen) || raw.size() - at < qsizetype(nameLen))
                break;
            const qsizetype nameAt = at;
            at += nameLen;
            if (!getU32(raw, at, dataLen) || raw.size() - at < qsizetype(dataLen))
                break;
            // Counted as read, not as kept: a repeated name replaces its entry but still costs a pass.
            if (++entries > kMaxEntries) {
                inflateEnd(&stream);
                return std::nullopt;
            }
            files.insert(QString::fromUtf8(raw.constData() + nameAt, qsizetype(nameLen)),
                         raw.mid(at, qsizetype(dataLen)));
            read = at + dataLen;
        }
    }
    inflateEnd(&stream);
    if (rc != Z_STREAM_END || quint64(raw.size()) != rawSize || read != raw.size())
        return std::nullopt;
    return files;
}
