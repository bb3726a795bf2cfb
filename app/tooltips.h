#pragma once

namespace nablo {

class TableView;

// Tooltips that say what the parts of the table are: the card board's rows, both pay tables,
// the card counter and the three betting buttons. In the desktop's language; no caption changes.
void installToolTips(TableView& view);

} // namespace nablo
