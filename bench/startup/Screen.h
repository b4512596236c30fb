#pragma once
// The one screen every window of the benchmark is laid out for, and the room's place on it, where
// the bare window's label stands in for the room.

#include "LampenWindow.h"

#include <QRect>

namespace bench {

inline const ScreenMetrics kScreen{QSize(1024, 768), 96};
inline const QRect kRoomPlace(30, 100, 521, 511);

} // namespace bench
