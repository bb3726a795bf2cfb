#include "table/control.h"

#include <utility>

namespace nablo {

Control::Control(const ControlDesign& design)
    : design_(&design), caption_(design.caption), fore_(design.fore), back_(design.back)
{
}

void Control::setCaption(std::string caption)
{
    if (caption_ == caption)
        return;
    caption_ = std::move(caption);
    ++revision_;
}

void Control::setForeColor(Rgb colour)
{
    if (fore_ == colour)
        return;
    fore_ = colour;
    ++revision_;
}

void Control::setBackColor(Rgb colour)
{
    if (back_ == colour)
        return;
    back_ = colour;
    ++revision_;
}

void Control::setEnabled(bool enabled)
{
    if (enabled_ == enabled)
        return;
    enabled_ = enabled;
    ++revision_;
}

void Control::setPicture(std::string picture)
{
    if (picture_ == picture)
        return;
    picture_ = std::move(picture);
    ++revision_;
}

} // namespace nablo
