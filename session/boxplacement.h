#pragma once

namespace nablo {

// A rectangle in pixels.
struct Area {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Where a message box opens: over the card slots, so that everything the player reads after a
// game (the card counter, both pay tables, the card board) stays in view. Centred across the
// table, on the slots' middle, its top far enough below the slots' top to leave room for a
// title bar; kept inside the available area unless that is empty. table: the table on the
// screen; returns the box's top left corner.
struct Corner {
    int x = 0;
    int y = 0;
};
Corner boxPlacement(const Area& table, int boxWidth, int boxHeight, const Area& available);

} // namespace nablo
