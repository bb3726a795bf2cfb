#pragma once

#include <QString>

namespace nablo {

class Control;
class Form1;

// The spoken name of a card code 1..52, "queen of hearts"; empty for any other code.
QString cardName(int code);

// A control in words, for screen readers: the name says what the control is ("Credits",
// "Card slot 3"), the value what it shows now ("97", "queen of hearts, selectable"). Controls
// that never change have an empty value.
struct AccessibleText {
    QString name;
    QString value;
};

// The words for a control of the form; the control must be one of form's.
AccessibleText accessibleText(Form1& form, const Control& control);

// Lets screen readers see the table's labels as text and the pile as a picture, each with its
// value. Call once the application object exists; calling again changes nothing.
void installAccessibleFactory();

} // namespace nablo
