#include "tests/support/program_folder_fixture.h"
#include "tests/ui/qt_test_app.h"
#include "ui/splash/about_box.h"
#include "ui/splash/avi_clip.h"
#include "ui/splash/splash_frames.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QTest>
#include <gtest/gtest.h>

namespace zyntra {
namespace {

using test::QtTest;

QByteArray Jpeg(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "jpeg").write(image);
    return bytes;
}

QByteArray BuiltClip() {
    QFile file(QString::fromStdString(test::BuiltProgramFolder() + "data/loading.avi"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class AviClipTest : public QtTest {};

TEST_F(AviClipTest, TheShippedClipHoldsDecodableFramesAndItsRate) {
    const QByteArray data = BuiltClip();
    ASSERT_FALSE(data.isEmpty()) << "the build did not make data/loading.avi";
    const AviClip clip = ReadAviClip(data);
    ASSERT_EQ(clip.frames.size(), 24);
    EXPECT_EQ(clip.frameIntervalMs, 83); // 12 frames a second
    for (const QByteArray& frame : clip.frames) {
        const QImage image = QImage::fromData(frame);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), QSize(kSplashWidth, kSplashHeight));
    }
    // The frames differ: it is an animation, not one picture repeated.
    EXPECT_NE(clip.frames.front(), clip.frames[6]);
}

TEST_F(AviClipTest, ACutClipKeepsItsWholeFramesAndGarbageHasNone) {
    QList<QByteArray> frames;
    for (int i = 0; i < 5; ++i) {
        frames.append(Jpeg(DrawSplashFrame(i, 5).scaled(64, 40)));
    }
    const QByteArray whole = WriteAviClip(frames, 64, 40, 5);
    const AviClip read = ReadAviClip(whole);
    ASSERT_EQ(read.frames.size(), 5);
    EXPECT_EQ(read.frames, frames);
    EXPECT_EQ(read.frameIntervalMs, 200);

    // Cut inside the fourth frame: the first three survive intact.
    const qsizetype cut = whole.indexOf(frames[3]) + frames[3].size() / 2;
    const AviClip truncated = ReadAviClip(whole.left(cut));
    ASSERT_EQ(truncated.frames.size(), 3);
    EXPECT_EQ(truncated.frames[2], frames[2]);

    EXPECT_TRUE(ReadAviClip(QByteArray("RIFF\xff\xff\xff\xff"
                                       "AVI LIST",
                                       16))
                    .frames.isEmpty());
    EXPECT_TRUE(ReadAviClip(QByteArray(5000, '\x5a')).frames.isEmpty());
    EXPECT_TRUE(ReadAviClip(whole.left(11)).frames.isEmpty());
    EXPECT_TRUE(ReadAviClipFile(QStringLiteral("/nonexistent/loading.avi")).frames.isEmpty());
}

TEST_F(AviClipTest, TheSplashPlaysTheClipAndShowsAStillPictureWithoutOne) {
    test::TempDir dir;
    const std::string garbage = dir.Path() + "garbage.avi";
    test::WriteFile(garbage, std::string(3000, '\x07'));

    TAboutBox broken(QString::fromStdString(garbage));
    broken.show();
    EXPECT_EQ(broken.FrameCount(), 0);
    EXPECT_FALSE(broken.Playing());
    EXPECT_EQ(broken.size(), QSize(470, 275));
    EXPECT_TRUE(broken.windowFlags() & Qt::FramelessWindowHint);
    const QImage still = broken.grab().toImage();
    EXPECT_NE(still.pixel(235, 60), still.pixel(2, 137)); // something is drawn

    TAboutBox playing(QString::fromStdString(test::BuiltProgramFolder() + "data/loading.avi"));
    playing.show();
    EXPECT_EQ(playing.FrameCount(), 24);
    EXPECT_TRUE(playing.Playing());
    const int first = playing.CurrentFrame();
    QTest::qWait(250);
    EXPECT_NE(playing.CurrentFrame(), first);
}

} // namespace
} // namespace zyntra
