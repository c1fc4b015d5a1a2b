#include "ui/splash/avi_clip.h"

#include <QFile>
#include <cstdint>
#include <optional>

namespace zyntra {
namespace {

std::uint32_t ReadU32(const QByteArray& data, qsizetype at) {
    const auto* p = reinterpret_cast<const unsigned char*>(data.constData() + at);
    return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 |
           std::uint32_t{p[3]} << 24;
}

bool FourCcAt(const QByteArray& data, qsizetype at, const char* fourCc) {
    return at >= 0 && at + 4 <= data.size() && data.mid(at, 4) == QByteArray(fourCc, 4);
}

// One chunk or list inside [begin, end): its id, where its payload starts and how long it is.
struct Chunk {
    QByteArray id;
    qsizetype payload = 0;
    qsizetype size = 0;
};

std::optional<Chunk> ChunkAt(const QByteArray& data, qsizetype at, qsizetype end) {
    if (at < 0 || at + 8 > end) {
        return std::nullopt;
    }
    const qsizetype size = static_cast<qsizetype>(ReadU32(data, at + 4));
    if (size < 0 || size > end - (at + 8)) {
        return std::nullopt; // cut off: the rest of the data is unusable
    }
    return Chunk{data.mid(at, 4), at + 8, size};
}

qsizetype NextChunk(const Chunk& chunk) {
    return chunk.payload + chunk.size + (chunk.size & 1); // chunks are padded to even sizes
}

bool IsFrameChunk(const QByteArray& id) {
    return id.size() == 4 && id.startsWith("00") && (id.endsWith("dc") || id.endsWith("db"));
}

struct Rates {
    std::uint32_t microSecPerFrame = 0;
    std::uint32_t scale = 0;
    std::uint32_t rate = 0;
};

void ReadHeaders(const QByteArray& data, qsizetype at, qsizetype end, Rates& rates) {
    while (auto chunk = ChunkAt(data, at, end)) {
        if (chunk->id == "avih" && chunk->size >= 4) {
            rates.microSecPerFrame = ReadU32(data, chunk->payload);
        } else if (chunk->id == "strh" && chunk->size >= 28 && rates.rate == 0 &&
                   FourCcAt(data, chunk->payload, "vids")) {
            rates.scale = ReadU32(data, chunk->payload + 20);
            rates.rate = ReadU32(data, chunk->payload + 24);
        } else if (chunk->id == "LIST" && chunk->size >= 4) {
            ReadHeaders(data, chunk->payload + 4, chunk->payload + chunk->size, rates);
        }
        at = NextChunk(*chunk);
    }
}

void ReadFrames(const QByteArray& data, qsizetype at, qsizetype end, QList<QByteArray>& frames) {
    while (auto chunk = ChunkAt(data, at, end)) {
        if (IsFrameChunk(chunk->id) && chunk->size > 0) {
            frames.append(data.mid(chunk->payload, chunk->size));
        } else if (chunk->id == "LIST" && FourCcAt(data, chunk->payload, "rec ")) {
            ReadFrames(data, chunk->payload + 4, chunk->payload + chunk->size, frames);
        }
        at = NextChunk(*chunk);
    }
}

int IntervalMs(const Rates& rates) {
    if (rates.rate > 0 && rates.scale > 0) {
        const double ms = 1000.0 * rates.scale / rates.rate;
        return ms >= 1 && ms <= 10000 ? static_cast<int>(ms + 0.5) : 100;
    }
    if (rates.microSecPerFrame >= 1000 && rates.microSecPerFrame <= 10'000'000) {
        return static_cast<int>((rates.microSecPerFrame + 500) / 1000);
    }
    return 100;
}

} // namespace

AviClip ReadAviClip(const QByteArray& data) {
    AviClip clip;
    if (!FourCcAt(data, 0, "RIFF") || !FourCcAt(data, 8, "AVI ")) {
        return clip;
    }
    // A file cut short still holds the frames before the cut: read up to what is there.
    const qsizetype declaredEnd = 8 + static_cast<qsizetype>(ReadU32(data, 4));
    const qsizetype end = declaredEnd < data.size() ? declaredEnd : data.size();
    Rates rates;
    qsizetype at = 12;
    while (at + 8 <= end) {
        const qsizetype size = static_cast<qsizetype>(ReadU32(data, at + 4));
        const qsizetype payload = at + 8;
        const qsizetype payloadEnd = size > end - payload ? end : payload + size;
        if (FourCcAt(data, at, "LIST") && FourCcAt(data, payload, "hdrl")) {
            ReadHeaders(data, payload + 4, payloadEnd, rates);
        } else if (FourCcAt(data, at, "LIST") && FourCcAt(data, payload, "movi")) {
            ReadFrames(data, payload + 4, payloadEnd, clip.frames);
        }
        at = payload + size + (size & 1);
        if (at < payload) {
            break;
        }
    }
    clip.frameIntervalMs = IntervalMs(rates);
    return clip;
}

AviClip ReadAviClipFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    // The clip is small; anything far larger is not ours and is not read whole.
    constexpr qint64 kMaxClipBytes = 64 * 1024 * 1024;
    if (file.size() > kMaxClipBytes) {
        return {};
    }
    return ReadAviClip(file.readAll());
}

} // namespace zyntra
