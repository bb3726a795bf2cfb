#pragma once

namespace nablo {

// Lets screen readers see the table's labels as text and the pile as a picture, each with its
// value. Call once the application object exists; calling again changes nothing.
void installAccessibleFactory();

} // namespace nablo
