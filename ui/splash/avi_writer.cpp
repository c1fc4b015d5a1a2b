#include "ui/splash/avi_clip.h"

#include <cstdint>

namespace zyntra {
namespace {

class RiffWriter {
public:
    void U32(std::uint32_t value) {
        for (int shift = 0; shift < 32; shift += 8) {
            data_.append(static_cast<char>((value >> shift) & 0xFF));
        }
    }
    void U16(std::uint16_t value) {
        data_.append(static_cast<char>(value & 0xFF));
        data_.append(static_cast<char>(value >> 8));
    }
    void FourCc(const char* id) { data_.append(id, 4); }
    void Bytes(const QByteArray& bytes) { data_.append(bytes); }

    // Starts a chunk (or a LIST / RIFF with its type); returns where its size goes.
    qsizetype Open(const char* id, const char* listType = nullptr) {
        FourCc(id);
        const qsizetype sizeAt = data_.size();
        U32(0);
        if (listType != nullptr) {
            FourCc(listType);
        }
        return sizeAt;
    }
    void Close(qsizetype sizeAt) {
        const auto size = static_cast<std::uint32_t>(data_.size() - sizeAt - 4);
        for (int i = 0; i < 4; ++i) {
            data_[sizeAt + i] = static_cast<char>((size >> (8 * i)) & 0xFF);
        }
        if (size & 1) {
            data_.append('\0');
        }
    }
    qsizetype Size() const { return data_.size(); }
    QByteArray Take() { return std::move(data_); }

private:
    QByteArray data_;
};

constexpr std::uint32_t kHasIndex = 0x10;
constexpr std::uint32_t kKeyFrame = 0x10;

std::uint32_t LargestFrame(const QList<QByteArray>& frames) {
    qsizetype largest = 0;
    for (const QByteArray& frame : frames) {
        largest = frame.size() > largest ? frame.size() : largest;
    }
    return static_cast<std::uint32_t>(largest);
}

void WriteMainHeader(RiffWriter& out, const QList<QByteArray>& frames, int width, int height,
                     int fps) {
    const qsizetype avih = out.Open("avih");
    out.U32(static_cast<std::uint32_t>(1'000'000 / fps));
    out.U32(LargestFrame(frames) * static_cast<std::uint32_t>(fps)); // max bytes per second
    out.U32(0);                                                      // padding granularity
    out.U32(kHasIndex);
    out.U32(static_cast<std::uint32_t>(frames.size()));
    out.U32(0); // initial frames
    out.U32(1); // streams
    out.U32(LargestFrame(frames));
    out.U32(static_cast<std::uint32_t>(width));
    out.U32(static_cast<std::uint32_t>(height));
    for (int i = 0; i < 4; ++i) {
        out.U32(0); // reserved
    }
    out.Close(avih);
}

void WriteStreamHeaders(RiffWriter& out, const QList<QByteArray>& frames, int width, int height,
                        int fps) {
    const qsizetype strl = out.Open("LIST", "strl");
    const qsizetype strh = out.Open("strh");
    out.FourCc("vids");
    out.FourCc("MJPG");
    out.U32(0); // flags
    out.U16(0); // priority
    out.U16(0); // language
    out.U32(0); // initial frames
    out.U32(1); // scale
    out.U32(static_cast<std::uint32_t>(fps));
    out.U32(0); // start
    out.U32(static_cast<std::uint32_t>(frames.size()));
    out.U32(LargestFrame(frames));
    out.U32(0xFFFFFFFF); // quality: default
    out.U32(0);          // sample size: varies
    out.U16(0);
    out.U16(0);
    out.U16(static_cast<std::uint16_t>(width));
    out.U16(static_cast<std::uint16_t>(height));
    out.Close(strh);

    const qsizetype strf = out.Open("strf");
    out.U32(40); // BITMAPINFOHEADER size
    out.U32(static_cast<std::uint32_t>(width));
    out.U32(static_cast<std::uint32_t>(height));
    out.U16(1);  // planes
    out.U16(24); // bits per pixel
    out.FourCc("MJPG");
    out.U32(static_cast<std::uint32_t>(width * height * 3));
    out.U32(0);
    out.U32(0);
    out.U32(0);
    out.U32(0);
    out.Close(strf);
    out.Close(strl);
}

} // namespace

QByteArray WriteAviClip(const QList<QByteArray>& jpegFrames, int width, int height,
                        int framesPerSecond) {
    const int fps = framesPerSecond > 0 ? framesPerSecond : 10;
    RiffWriter out;
    const qsizetype riff = out.Open("RIFF", "AVI ");
    const qsizetype hdrl = out.Open("LIST", "hdrl");
    WriteMainHeader(out, jpegFrames, width, height, fps);
    WriteStreamHeaders(out, jpegFrames, width, height, fps);
    out.Close(hdrl);

    const qsizetype movi = out.Open("LIST", "movi");
    QList<std::uint32_t> offsets; // from the 'movi' type code, as idx1 counts them
    for (const QByteArray& frame : jpegFrames) {
        offsets.append(static_cast<std::uint32_t>(out.Size() - (movi + 4)));
        const qsizetype chunk = out.Open("00dc");
        out.Bytes(frame);
        out.Close(chunk);
    }
    out.Close(movi);

    const qsizetype idx1 = out.Open("idx1");
    for (qsizetype i = 0; i < jpegFrames.size(); ++i) {
        out.FourCc("00dc");
        out.U32(kKeyFrame);
        out.U32(offsets[i]);
        out.U32(static_cast<std::uint32_t>(jpegFrames[i].size()));
    }
    out.Close(idx1);
    out.Close(riff);
    return out.Take();
}

} // namespace zyntra
