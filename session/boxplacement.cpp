#include "session/boxplacement.h"

#include "table/design.h"
#include "table/slotcontrols.h"

#include <algorithm>

namespace nablo {

namespace {
// The card slots, in window pixels.
constexpr ControlDesign slot = windowDesign[designIndex(slotControls[0])];
constexpr int slotsTop = slot.top / twipsPerPixel;
constexpr int slotsMiddle = (slot.top + slot.height / 2) / twipsPerPixel;
// Room above a box for the title bar of a window manager or of the page's dialog.
constexpr int titleBarRoom = 32;

int within(int value, int low, int length, int size)
{
    return std::clamp(value, low, std::max(low, low + length - size));
}
} // namespace

Corner boxPlacement(const Area& table, int boxWidth, int boxHeight, const Area& available)
{
    Corner corner{table.left + table.width / 2 - boxWidth / 2,
                  table.top + std::max(slotsMiddle - boxHeight / 2, slotsTop + titleBarRoom)};
    if (available.width > 0 && available.height > 0) {
        corner.x = within(corner.x, available.left, available.width, boxWidth);
        corner.y = within(corner.y, available.top, available.height, boxHeight);
    }
    return corner;
}

} // namespace nablo
