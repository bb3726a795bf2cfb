#include "table/pictures.h"

#include "table/form.h"

namespace nablo {

void loadPicture(Form1& form, Control& control, const std::string& path)
{
    if (!path.empty())
        form.platform().loadPicture(path);
    control.setPicture(path);
    form.platform().pictureChanged(control);
}

void copyPicture(Form1& form, Control& control, const Control& from)
{
    control.setPicture(from.picture());
    form.platform().pictureChanged(control);
}

} // namespace nablo
