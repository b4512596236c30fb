#pragma once

#include <QImage>

// The picture behind the window's hanging lamp: a study with a blackboard, a desk, a shelf and a
// night window. Its upper left is left plain, because the window draws the lamp and its cord
// there itself.
inline constexpr int roomPictureWidth = 371;
inline constexpr int roomPictureHeight = 342;

// 371 x 342 pixels, 8-bit RGB without alpha.
QImage drawRoomPicture();
