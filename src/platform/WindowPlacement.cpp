#include "platform/WindowPlacement.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

#include "rtf/Twips.h"

namespace tervalo::platform {

namespace {

constexpr double kLargestPixels = 1 << 24;

int pixels(float twips) {
    if (std::isnan(twips)) return 0;
    const double p = std::round(static_cast<double>(twips) / rtf::Twips::kPerPixel);
    return static_cast<int>(std::clamp(p, -kLargestPixels, kLargestPixels));
}

// One axis: the start and length of the frame within [roomStart, roomStart + room).
// 64-bit, since a caller's rectangle may reach the ends of the int range.
std::pair<std::int64_t, std::int64_t> fitSpan(std::int64_t start, std::int64_t length, std::int64_t roomStart,
                                              std::int64_t room, std::int64_t minimum) {
    const std::int64_t fitted = std::clamp(length, std::min(minimum, room), room);
    return {std::clamp(start, roomStart, roomStart + room - fitted), fitted};
}

}  // namespace

QRect placementRect(const AppSettings::MainPlacement& twips) {
    return QRect(pixels(twips.left), pixels(twips.top), pixels(twips.width), pixels(twips.height));
}

QRect fitToScreen(const QRect& stored, const QRect& available, const QMargins& frame) {
    if (available.isEmpty()) return stored;
    // QRect keeps its edges; width() and height() could overflow for extreme ones.
    const std::int64_t across = frame.left() + frame.right(), down = frame.top() + frame.bottom();
    const auto [x, width] = fitSpan(stored.left(), std::int64_t{stored.right()} - stored.left() + 1 + across,
                                    available.left(), available.width(), kMinimumMainSize.width());
    const auto [y, height] = fitSpan(stored.top(), std::int64_t{stored.bottom()} - stored.top() + 1 + down,
                                     available.top(), available.height(), kMinimumMainSize.height());
    return QRect(static_cast<int>(x), static_cast<int>(y), static_cast<int>(std::max<std::int64_t>(0, width - across)),
                 static_cast<int>(std::max<std::int64_t>(0, height - down)));
}

}  // namespace tervalo::platform
