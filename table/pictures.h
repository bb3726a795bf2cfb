#pragma once

#include <string>

namespace nablo {

class Control;
class Form1;

// Loads the picture at path through the platform (a run-time error when it cannot) and gives
// it to the control; "" gives the empty picture.
void loadPicture(Form1& form, Control& control, const std::string& path);

// The control takes the picture that another control shows.
void copyPicture(Form1& form, Control& control, const Control& from);

} // namespace nablo
