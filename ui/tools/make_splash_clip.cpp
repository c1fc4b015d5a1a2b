// Draws the start-up animation and writes it as the program folder's motion-JPEG clip.
// Usage: make_splash_clip OUTPUT.avi

#include "ui/splash/avi_clip.h"
#include "ui/splash/splash_frames.h"

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImageWriter>
#include <cstdio>

namespace {

constexpr int kFrameCount = 24;
constexpr int kFramesPerSecond = 12;

QByteArray EncodeJpeg(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(85);
    if (!writer.write(image)) {
        std::fprintf(stderr, "make_splash_clip: %s\n", qPrintable(writer.errorString()));
        return {};
    }
    return bytes;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv); // fonts for the captions
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_splash_clip OUTPUT.avi\n");
        return 2;
    }
    QList<QByteArray> frames;
    for (int i = 0; i < kFrameCount; ++i) {
        QByteArray jpeg = EncodeJpeg(zyntra::DrawSplashFrame(i, kFrameCount));
        if (jpeg.isEmpty()) {
            return 1;
        }
        frames.append(jpeg);
    }
    QFile out(QString::fromLocal8Bit(argv[1]));
    const QByteArray clip =
        zyntra::WriteAviClip(frames, zyntra::kSplashWidth, zyntra::kSplashHeight, kFramesPerSecond);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(clip) != clip.size()) {
        std::fprintf(stderr, "make_splash_clip: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
