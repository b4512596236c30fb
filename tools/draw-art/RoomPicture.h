#pragma once

#include <QImage>

// The picture behind the window's hanging lamp: a study with a blackboard, a desk, a shelf and a
// night window. Its upper left is left plain, because the window draws the lamp and its cord
// there itself.
// Three times the size of the window's picture on a 1024 x 768 screen: more than it needs on a
// 2560 x 1440 screen (1003 x 568), so the window only ever scales it down, smoothly.
inline constexpr int roomPictureWidth = 1113;
inline constexpr int roomPictureHeight = 1026;

// 1113 x 1026 pixels, 8-bit RGB without alpha.
QImage drawRoomPicture();
