// Fuzz target: any bytes given to the skin archive reader are refused or give files within the
// archive's limits that pack back into an archive with the same files; an accepted archive is one
// zlib stream that ends with the input and inflates to the size its header declares.
#include "ui/skin/skinarchive.h"

#include <QRandomGenerator>

#include <zlib.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <vector>

namespace {

// Judged by zlib alone, apart from the reader: the stream after the header is whole, inflates to
// exactly the declared size, and no byte follows it.
bool isOneCompleteStream(const uint8_t *data, size_t size)
{
    constexpr size_t kHeader = 12;
    if (size < kHeader)
        return false;
    const quint32 declared = quint32(data[8]) | quint32(data[9]) << 8 | quint32(data[10]) << 16 | quint32(data[11]) << 24;
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK)
        return false;
    stream.next_in = const_cast<Bytef *>(data + kHeader);
    stream.avail_in = uInt(size - kHeader);
    std::vector<Bytef> sink(64 * 1024);
    quint64 produced = 0;
    int rc = Z_OK;
    while (rc == Z_OK) {
        stream.next_out = sink.data();
        stream.avail_out = uInt(sink.size());
        rc = inflate(&stream, Z_NO_FLUSH);
        produced += sink.size() - stream.avail_out;
    }
    const bool whole = rc == Z_STREAM_END && stream.avail_in == 0 && produced == declared;
    inflateEnd(&stream);
    return whole;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const auto files = SkinArchive::unpack(QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!files)
        return 0;
    qint64 total = 0;
    for (const QByteArray &bytes : *files)
        total += bytes.size();
    if (files->size() > SkinArchive::kMaxEntries || total > qint64(SkinArchive::kMaxUnpacked)
        || !isOneCompleteStream(data, size))
        std::abort();
    // Names that were not UTF-8 come back longer, so a full archive may no longer pack.
    const QByteArray again = SkinArchive::pack(*files);
    if (!again.isEmpty() && SkinArchive::unpack(again) != files)
        std::abort();
    return 0;
}

#ifdef PATHORA_FUZZ_MUTATOR
// Byte mutations hardly ever get past zlib's checksum. This mutator opens the archive, changes
// what lies inside (above all the length fields) and packs it again, so that the reader's own
// checks are what gets exercised.
extern "C" size_t LLVMFuzzerMutate(uint8_t *data, size_t size, size_t maxSize);

namespace {

constexpr size_t kHeader = 12;   // "WOODSKIN" and the unpacked size

quint32 getU32(const std::vector<uint8_t> &raw, size_t at)
{
    return quint32(raw[at]) | quint32(raw[at + 1]) << 8 | quint32(raw[at + 2]) << 16 | quint32(raw[at + 3]) << 24;
}

void putU32(uint8_t *at, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        at[i] = uint8_t(v >> (8 * i));
}

// Offsets of the length fields, as far as the entries can be followed.
std::vector<size_t> lengthFields(const std::vector<uint8_t> &raw)
{
    std::vector<size_t> fields;
    size_t pos = 0;
    while (pos + 4 <= raw.size()) {
        fields.push_back(pos);
        const quint64 next = quint64(pos) + 4 + getU32(raw, pos);
        if (next > raw.size())
            break;
        pos = size_t(next);
    }
    return fields;
}

void mutateInside(std::vector<uint8_t> &raw, QRandomGenerator &random)
{
    const std::vector<size_t> fields = lengthFields(raw);
    switch (random.bounded(5)) {
    case 0:
    case 1:
        if (!fields.empty()) {
            const size_t at = fields[random.bounded(quint32(fields.size()))];
            const quint32 old = getU32(raw, at);
            const quint32 rest = quint32(raw.size() - at - 4);
            const quint32 choices[] = {0, 1, old + 1, old - 1, rest, rest + 1, 0x7fffffffu, 0xffffffffu,
                                       0x80000000u, random.generate()};
            putU32(&raw[at], choices[random.bounded(quint32(std::size(choices)))]);
            break;
        }
        [[fallthrough]];
    case 2: {
        const size_t limit = raw.size() + 64;
        raw.resize(limit);
        raw.resize(LLVMFuzzerMutate(raw.data(), limit - 64, limit));
        break;
    }
    case 3: {
        // Many small entries, a cheap way to a long archive.
        const quint32 count = random.bounded(1u, 600u);
        for (quint32 i = 0; i < count; ++i) {
            const uint8_t entry[] = {1, 0, 0, 0, uint8_t('a' + i % 26), 0, 0, 0, 0};
            raw.insert(raw.end(), entry, entry + sizeof entry);
        }
        break;
    }
    default:
        raw.resize(random.bounded(quint32(raw.size() + 1)));
        break;
    }
}

} // namespace

extern "C" size_t LLVMFuzzerCustomMutator(uint8_t *data, size_t size, size_t maxSize, unsigned int seed)
{
    QRandomGenerator random(seed);
    if (size < kHeader || std::memcmp(data, "WOODSKIN", 8) != 0 || random.bounded(8) == 0)
        return LLVMFuzzerMutate(data, size, maxSize);
    const quint32 declared = quint32(data[8]) | quint32(data[9]) << 8 | quint32(data[10]) << 16 | quint32(data[11]) << 24;
    std::vector<uint8_t> raw(qMin<quint32>(declared, 4u << 20));
    uLongf produced = raw.size();
    if (uncompress(raw.data(), &produced, data + kHeader, uLong(size - kHeader)) != Z_OK)
        return LLVMFuzzerMutate(data, size, maxSize);
    raw.resize(produced);
    mutateInside(raw, random);

    uLongf packedSize = compressBound(uLong(raw.size()));
    if (kHeader + packedSize > maxSize)
        return LLVMFuzzerMutate(data, size, maxSize);
    std::memcpy(data, "WOODSKIN", 8);
    quint32 size32 = quint32(raw.size());
    if (random.bounded(16) == 0)
        size32 += random.bounded(-2, 3);   // a declared size that does not match
    putU32(data + 8, size32);
    if (compress2(data + kHeader, &packedSize, raw.data(), uLong(raw.size()), 1) != Z_OK)
        return LLVMFuzzerMutate(data, size, maxSize);
    return kHeader + packedSize;
}
#endif
