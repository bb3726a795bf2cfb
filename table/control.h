#pragma once

#include "table/design.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace nablo {

// One control of the window: its design values and the attributes the game changes.
// Every change raises the revision, so a view can copy only what changed.
class Control {
public:
    explicit Control(const ControlDesign& design);

    const ControlDesign& design() const { return *design_; }
    std::string_view name() const { return design_->name; }
    ControlKind kind() const { return design_->kind; }
    int tabIndex() const { return design_->tabIndex; }

    // The text shown. A caption written as a number is kept as that number and spelt out when
    // read, so that the game's arithmetic on its numeric captions parses and formats nothing.
    const std::string& caption() const
    {
        if (textStale_)
            spellNumber();
        return caption_;
    }
    void setCaption(std::string_view caption);

    // Numeric captions, for the numbers module only (readNumber, writeNumber). The number, when
    // known, is always the value of the caption's text.
    const double* knownNumber() const { return hasNumber_ ? &number_ : nullptr; }
    void noteNumber(double number) const; // the value just read from the caption's text
    // Sets the caption to the decimal text of a finite number (-0 reads as 0).
    void setNumber(double number);

    Rgb foreColor() const { return fore_; }
    void setForeColor(Rgb colour)
    {
        if (fore_ == colour)
            return;
        fore_ = colour;
        ++revision_;
    }

    // The background colour; a transparent label shows what lies behind it instead.
    Rgb backColor() const { return back_; }
    void setBackColor(Rgb colour)
    {
        if (back_ == colour)
            return;
        back_ = colour;
        ++revision_;
    }

    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled)
    {
        if (enabled_ == enabled)
            return;
        enabled_ = enabled;
        ++revision_;
    }

    // The picture shown, as the path it was loaded from; "" is the empty picture.
    const std::string& picture() const { return picture_; }
    void setPicture(std::string_view picture);

    std::uint32_t revision() const { return revision_; }

private:
    void spellNumber() const;

    const ControlDesign* design_;
    mutable std::string caption_;
    std::string picture_;
    Rgb fore_;
    Rgb back_;
    mutable double number_ = 0;
    mutable bool hasNumber_ = false; // number_ is the value of the caption
    mutable bool spelt_ = false;     // and the caption is exactly its decimal text
    mutable bool textStale_ = false; // that caption_ has yet to be written
    bool enabled_ = true;
    std::uint32_t revision_ = 0;
};

} // namespace nablo
