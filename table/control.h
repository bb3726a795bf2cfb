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

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);

    Rgb foreColor() const { return fore_; }
    void setForeColor(Rgb colour);

    // The background colour; a transparent label shows what lies behind it instead.
    Rgb backColor() const { return back_; }
    void setBackColor(Rgb colour);

    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);

    // The picture shown, as the path it was loaded from; "" is the empty picture.
    const std::string& picture() const { return picture_; }
    void setPicture(std::string picture);

    std::uint32_t revision() const { return revision_; }

private:
    const ControlDesign* design_;
    std::string caption_;
    std::string picture_;
    Rgb fore_;
    Rgb back_;
    bool enabled_ = true;
    std::uint32_t revision_ = 0;
};

} // namespace nablo
