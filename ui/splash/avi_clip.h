#pragma once

#include <QByteArray>
#include <QList>

namespace zyntra {

// The frames of a motion-JPEG AVI clip and its frame rate.
struct AviClip {
    QList<QByteArray> frames; // each one compressed image (JPEG), as stored in the clip
    int frameIntervalMs = 100;
};

// Reads the clip's frame chunks ('##dc' or '##db' of the first stream inside 'movi') and its
// frame rate (stream header rate/scale, else the main header's microseconds per frame). A chunk
// that runs past the end of the data is dropped; data that is not an AVI gives no frames.
AviClip ReadAviClip(const QByteArray& data);
AviClip ReadAviClipFile(const QString& path);

// Writes JPEG frames of one size as a motion-JPEG AVI: RIFF 'AVI ' with hdrl (avih, strl with
// strh and strf), movi with one '00dc' chunk per frame, and idx1.
QByteArray WriteAviClip(const QList<QByteArray>& jpegFrames, int width, int height,
                        int framesPerSecond);

} // namespace zyntra
