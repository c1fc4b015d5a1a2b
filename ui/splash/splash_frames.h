#pragma once

#include <QImage>

namespace zyntra {

inline constexpr int kSplashWidth = 470;
inline constexpr int kSplashHeight = 275;

// Frame `index` of `count` of the start-up animation: the product's name over a band of dots
// that chase each other round. Frame 0 is also the still picture shown when the clip cannot be
// played.
QImage DrawSplashFrame(int index, int count);

} // namespace zyntra
