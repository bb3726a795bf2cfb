#include "web/design.h"

#include "deck/cards.h"
#include "table/design.h"
#include "web/json.h"

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

std::string controlJson(const ControlDesign& d)
{
    // Geometry in CSS pixels, as the desktop window places its widgets.
    return "{\"name\":" + quoted(d.name) + ",\"kind\":\"" + std::string(kindName(d.kind))
           + "\",\"left\":" + std::to_string(d.left / twipsPerPixel)
           + ",\"top\":" + std::to_string(d.top / twipsPerPixel)
           + ",\"width\":" + std::to_string(d.width / twipsPerPixel) + ",\"height\":"
           + std::to_string(d.height / twipsPerPixel) + ",\"caption\":" + quoted(d.caption)
           + ",\"fore\":\"" + cssColour(d.fore) + "\",\"back\":\"" + cssColour(d.back)
           + "\",\"transparent\":" + (d.transparent ? "true" : "false")
           + ",\"border\":" + (d.border ? "true" : "false") + ",\"align\":\""
           + std::string(alignName(d.align)) + "\",\"fontPoints\":" + std::to_string(d.fontSize)
           + ",\"tabIndex\":" + std::to_string(d.tabIndex) + "}";
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
    std::string json = "{\"width\":" + std::to_string(windowWidthTwips / twipsPerPixel)
                       + ",\"height\":" + std::to_string(windowHeightTwips / twipsPerPixel)
                       + ",\"caption\":" + quoted(windowCaption) + ",\"background\":\""
                       + cssColour(windowBackground) + "\",\"controls\":[";
    for (std::size_t i = 0; i < windowDesign.size(); ++i)
        json += (i ? "," : "") + controlJson(windowDesign[i]);
    json += "],\"pictures\":[";
    for (std::int16_t code = 1; code <= 52; ++code) {
        json += (code > 1 ? "," : "") + quoted(sitePath(CA(code)));
    }
    return json + "]}";
}

} // namespace nablo::web
