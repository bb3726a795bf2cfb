#include "table/control.h"

#include "table/numbers.h"

#include <utility>

namespace nablo {

Control::Control(const ControlDesign& design)
    : design_(&design), caption_(design.caption), fore_(design.fore), back_(design.back)
{
}

void Control::setCaption(std::string_view caption)
{
    if (this->caption() == caption)
        return;
    caption_.assign(caption); // into the room the old text had: no allocation for short texts
    hasNumber_ = spelt_ = false;
    ++revision_;
}

void Control::noteNumber(double number) const
{
    number_ = number;
    hasNumber_ = true;
    char text[maxNumberText];
    spelt_ = caption() == std::string_view(text, formatNumber(number, text));
}

void Control::setNumber(double number)
{
    if (number == 0)
        number = 0; // -0 spells and reads as 0
    // Spelt numbers have one text each: the same number is the same caption.
    if (hasNumber_ && spelt_ && number_ == number)
        return;
    number_ = number;
    hasNumber_ = spelt_ = textStale_ = true;
    ++revision_;
}

void Control::spellNumber() const
{
    char text[maxNumberText];
    caption_.assign(text, formatNumber(number_, text));
    textStale_ = false;
}

void Control::setPicture(std::string_view picture)
{
    if (picture_ == picture)
        return;
    picture_.assign(picture);
    ++revision_;
}

} // namespace nablo
