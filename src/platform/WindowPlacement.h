#pragma once
// Placing the main window from its stored frame: the settings hold twips that
// may be anything a user or an older screen left there (500000, -300000, 1e8);
// the window must still come up whole on the screen it opens on.
#include <QMargins>
#include <QRect>
#include <QSize>

#include "platform/AppSettings.h"

namespace tervalo::platform {

// The smallest frame a placement is fitted to, where the screen is large enough.
inline constexpr QSize kMinimumMainSize{200, 150};

// The stored placement in pixels (15 twips each, to the nearest pixel). Each
// value is clamped to +-2^24 pixels, beyond any screen, so that even the largest
// float gives edges that fit an int; a NaN counts as 0.
QRect placementRect(const AppSettings::MainPlacement& twips);

// `stored` (the frame's corner and the client area's size, as the settings
// hold them) moved and sized so that the whole frame, the client area with
// `frame` around it (the title bar and borders), lies within `available` (the
// screen's available geometry): the frame's size is clamped to the available
// size and to at least kMinimumMainSize (less only on a smaller screen), then
// the frame is moved in just far enough to be all visible. The result has the
// same form: the frame's corner and the client area's size. A frame that already
// lies within and is not below the minimum is kept exactly. An empty
// `available` (no screen known) gives `stored` unchanged.
QRect fitToScreen(const QRect& stored, const QRect& available, const QMargins& frame = {});

}  // namespace tervalo::platform
