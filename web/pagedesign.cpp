#include "web/pagedesign.h"

#include "deck/cards.h"
#include "session/jsontext.h"
#include "table/design.h"
#include "web/csscolour.h"

#include <nlohmann/json.hpp>

#include <string>

namespace nablo::web {

namespace {

std::string_view kindName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Button: return "button";
    case ControlKind::Label: return "label";
    case ControlKind::Image: break;
    }
    return "image";
}

std::string_view alignName(Align align)
{
    switch (align) {
    case Align::Left: return "left";
    case Align::Right: return "right";
    case Align::Centre: break;
    }
    return "center";
}

Json controlJson(const ControlDesign& d)
{
    // Geometry in CSS pixels, as the desktop window places its widgets.
    return {{"name", d.name},
            {"kind", kindName(d.kind)},
            {"left", d.left / twipsPerPixel},
            {"top", d.top / twipsPerPixel},
            {"width", d.width / twipsPerPixel},
            {"height", d.height / twipsPerPixel},
            {"caption", d.caption},
            {"fore", cssColour(d.fore)},
            {"back", cssColour(d.back)},
            {"transparent", d.transparent},
            {"border", d.border},
            {"align", alignName(d.align)},
            {"fontPoints", fixed(d.fontSize, 6)},
            {"tabIndex", d.tabIndex}};
}

} // namespace

std::string sitePath(std::string path)
{
    for (char& c : path) {
        if (c == '\\')
            c = '/';
    }
    return path;
}

std::string designJson()
{
    Json controls = Json::array();
    for (const ControlDesign& control : windowDesign)
        controls.push_back(controlJson(control));
    Json pictures = Json::array();
    for (std::int16_t code = 1; code <= 52; ++code)
        pictures.push_back(sitePath(CA(code)));
    return jsonText({{"width", windowWidthTwips / twipsPerPixel},
                     {"height", windowHeightTwips / twipsPerPixel},
                     {"caption", windowCaption},
                     {"background", cssColour(windowBackground)},
                     {"controls", controls},
                     {"pictures", pictures}});
}

} // namespace nablo::web
