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

// Inflates the archive's stream exactly as far as the reader asks, straight into the reader's
// buffers, and never past the size the header declares.
class Inflater
{
public:
    Inflater(const char *data, qsizetype size, quint32 declared) : m_left(declared)
    {
        m_ok = inflateInit(&m_stream) == Z_OK;
        m_stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data));
        m_stream.avail_in = static_cast<uInt>(size);
    }
    ~Inflater()
    {
        if (m_ok)
            inflateEnd(&m_stream);
    }
    Inflater(const Inflater &) = delete;
    Inflater &operator=(const Inflater &) = delete;

    quint32 left() const { return m_left; }

    bool read(char *to, quint32 size)
    {
        if (!m_ok || size > m_left)
            return false;
        m_stream.next_out = reinterpret_cast<Bytef *>(to);
        m_stream.avail_out = size;
        while (m_stream.avail_out > 0) {
            if (m_ended)
                return false;   // the stream holds less than its header declares
            const int rc = inflate(&m_stream, Z_NO_FLUSH);
            if (rc == Z_STREAM_END)
                m_ended = true;
            else if (rc != Z_OK)
                return false;   // corrupt, or cut short (Z_BUF_ERROR: no input left)
        }
        m_left -= size;
        return true;
    }

    bool readU32(quint32 &v)
    {
        unsigned char b[4];
        if (!read(reinterpret_cast<char *>(b), 4))
            return false;
        v = quint32(b[0]) | quint32(b[1]) << 8 | quint32(b[2]) << 16 | quint32(b[3]) << 24;
        return true;
    }

    // True when everything declared has been read, the stream ends just there and no byte
    // follows it.
    bool endsCleanly()
    {
        if (!m_ok || m_left != 0)
            return false;
        while (!m_ended) {
            char spare;
            m_stream.next_out = reinterpret_cast<Bytef *>(&spare);
            m_stream.avail_out = 1;
            const int rc = inflate(&m_stream, Z_NO_FLUSH);
            if (m_stream.avail_out == 0)
                return false;   // more data than declared
            if (rc == Z_STREAM_END)
                m_ended = true;
            else if (rc != Z_OK)
                return false;
        }
        return m_stream.avail_in == 0;
    }

private:
    z_stream m_stream{};
    quint32 m_left;
    bool m_ok = false;
    bool m_ended = false;
};


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

    // Each entry is inflated straight into its own buffer: memory follows what the stream really
    // holds, and an archive of too many entries is refused after its first few kilobytes.
    Inflater in(archive.constData() + pos, archive.size() - pos, rawSize);
    Files files;
    int entries = 0;
    while (in.left() > 0) {
        quint32 nameLen = 0, dataLen = 0;
        if (!in.readU32(nameLen) || nameLen > in.left())
            return std::nullopt;
        QByteArray name(qsizetype(nameLen), Qt::Uninitialized);
        if (!in.read(name.data(), nameLen) || !in.readU32(dataLen) || dataLen > in.left())
            return std::nullopt;
        // Counted as read, not as kept: a repeated name replaces its entry but still costs a pass.
        if (++entries > kMaxEntries)
            return std::nullopt;
        QByteArray data(qsizetype(dataLen), Qt::Uninitialized);
        if (!in.read(data.data(), dataLen))
            return std::nullopt;
        files.insert(QString::fromUtf8(name), data);
    }
    if (!in.endsCleanly())
        return std::nullopt;
    return files;
}
