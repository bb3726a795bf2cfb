#pragma once

class QWidget;

namespace nablo {

// Lets screen readers see the table's labels as text and the pile as a picture, each with its
// value. Call once the application object exists; calling again changes nothing.
void installAccessibleFactory();

// Leaves a widget of the table out of what screen readers see, or brings it back.
void hideFromReaders(QWidget* widget, bool hidden);

} // namespace nablo
