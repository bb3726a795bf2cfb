#pragma once

#include "table/colour.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace nablo {

enum class ControlKind { Button, Label, Image };
enum class Align { Left, Right, Centre };

// What the window design gives a control when the window is created. Geometry is in twips
// (15 to a pixel). A font size of 0 means the control has no caption font of its own.
struct ControlDesign {
    std::string_view name;
    ControlKind kind;
    int left;
    int top;
    int width;
    int height;
    std::string_view caption;
    Rgb fore;
    Rgb back;
    bool transparent;
    bool border;
    Align align;
    double fontSize;
    int tabIndex; // -1 for controls that take no focus
};

inline constexpr int twipsPerPixel = 15;
inline constexpr int windowWidthTwips = 10170;
inline constexpr int windowHeightTwips = 7320;
inline constexpr std::string_view windowCaption = "NABLO ver0.9";
inline constexpr Rgb windowBackground = colour::black;
// Every caption is bold in this face; the view maps it onto an installed Japanese Gothic.
inline constexpr std::string_view designFontFace = "ＭＳ Ｐゴシック";

namespace detail {
constexpr ControlDesign label(std::string_view name, int left, int top, int width, int height,
                              std::string_view caption, Rgb fore, Rgb back, bool transparent,
                              bool border, Align align, double fontSize)
{
    return {name, ControlKind::Label, left,   top,   width,    height, caption, fore,
            back, transparent,        border, align, fontSize, -1};
}

constexpr ControlDesign button(std::string_view name, int left, int top, int height,
                               std::string_view caption, Rgb back, double fontSize, int tabIndex)
{
    return {name,     ControlKind::Button,
            left,     top,
            1815,     height,
            caption,  colour::black,
            back,     false,
            false,    Align::Centre,
            fontSize, tabIndex};
}
} // namespace detail

// Every control of the window as the design creates it, in stacking order from back to front.
// This is the only place the design values are written.
// One control to a line: the table is read down its columns.
// clang-format off
inline constexpr std::array windowDesign = [] {
    using namespace detail;
    return std::array{
        // Card-count pay table: rows of 255 twips at a step of 240, so neighbours share a border line.
        label("Label1", 120, 120, 2295, 255, "SUCCESSES", colour::white, colour::blue, false, true, Align::Centre, 9),
        label("Label8", 2400, 120, 1575, 255, "PAYS", colour::white, colour::blue, false, true, Align::Centre, 9),
        label("Label2", 120, 360, 2295, 255, "2nd 52 CARDS", colour::white, colour::blue, false, true, Align::Centre, 9),
        label("CPAY1", 2400, 360, 1575, 255, "10000", colour::white, colour::red, false, true, Align::Centre, 9),
        label("Label3", 120, 600, 2295, 255, "27-28 CARDS", colour::white, colour::blue, false, true, Align::Centre, 9),
        label("CPAY2", 2400, 600, 1575, 255, "30", colour::white, colour::red, false, true, Align::Centre, 9),
        label("Label4", 120, 840, 2295, 255, "25-26 CARDS", colour::white, colour::blue, false, true, Align::Centre, 9),
        label("CPAY3", 2400, 840, 1575, 255, "25", colour::white, colour::red, false, true, Align::Centre, 9),
        label("Label5", 120, 1080, 2295, 255, "22-24 CARDS", colour::white, colour::blue, false, true, Align::Centre, 9),
        label("CPAY4", 2400, 1080, 1575, 255, "20", colour::white, colour::red, false, true, Align::Centre, 9),
        label("Label6", 120, 1320, 2295, 255, "18-21 CARDS", colour::white, colour::blue, false, true, Align::Centre, 9),
        label("CPAY5", 2400, 1320, 1575, 255, "15", colour::white, colour::red, false, true, Align::Centre, 9),
        label("Label7", 120, 1560, 2295, 255, "14-17 CARDS", colour::white, colour::blue, false, true, Align::Centre, 9),
        label("CPAY6", 2400, 1560, 1575, 255, "10", colour::white, colour::red, false, true, Align::Centre, 9),
        label("Label9", 120, 1800, 2295, 255, "10-13 CARDS", colour::white, colour::blue, false, true, Align::Centre, 9),
        label("CPAY7", 2400, 1800, 1575, 255, "5", colour::white, colour::red, false, true, Align::Centre, 9),
        // Bonus pay table.
        label("Label11", 6240, 120, 2055, 255, "SPECIAL BONUS", colour::white, colour::blue, false, true, Align::Centre, 9),
        label("Label17", 8280, 120, 975, 255, "PAYS", colour::white, colour::blue, false, true, Align::Centre, 9),
        label("Label18", 9240, 120, 855, 255, "HITS", colour::white, colour::blue, false, true, Align::Centre, 9),
        label("Label12", 6240, 360, 2055, 255, "ROYAL FLUSH", colour::white, colour::blue, false, true, Align::Left, 9),
        label("BPAY1", 8280, 360, 975, 255, "500", colour::white, colour::red, false, true, Align::Centre, 9),
        label("HIT1", 9240, 360, 855, 255, "0", colour::white, colour::blue, false, true, Align::Right, 9),
        label("Label13", 6240, 600, 2055, 255, "STRAIGHT FLUSH", colour::white, colour::blue, false, true, Align::Left, 9),
        label("BPAY2", 8280, 600, 975, 255, "100", colour::white, colour::red, false, true, Align::Centre, 9),
        label("HIT2", 9240, 600, 855, 255, "0", colour::white, colour::blue, false, true, Align::Right, 9),
        label("Label14", 6240, 840, 2055, 255, "FOUR OF A KIND", colour::white, colour::blue, false, true, Align::Left, 9),
        label("BPAY3", 8280, 840, 975, 255, "25", colour::white, colour::red, false, true, Align::Centre, 9),
        label("HIT3", 9240, 840, 855, 255, "0", colour::white, colour::blue, false, true, Align::Right, 9),
        label("Label15", 6240, 1080, 2055, 255, "FULL HOUSE", colour::white, colour::blue, false, true, Align::Left, 9),
        label("BPAY4", 8280, 1080, 975, 255, "5", colour::white, colour::red, false, true, Align::Centre, 9),
        label("HIT4", 9240, 1080, 855, 255, "0", colour::white, colour::blue, false, true, Align::Right, 9),
        label("Label16", 6240, 1320, 2055, 255, "FLUSH", colour::white, colour::blue, false, true, Align::Left, 9),
        label("BPAY5", 8280, 1320, 975, 255, "5", colour::white, colour::red, false, true, Align::Centre, 9),
        label("HIT5", 9240, 1320, 855, 255, "0", colour::white, colour::blue, false, true, Align::Right, 9),
        // Placed-card counter.
        label("Label10", 120, 2160, 2055, 735, " NUMBER OF       SUCCEEDED       CARDS        ", colour::white, colour::teal, false, true, Align::Left, 11.25),
        label("TEN", 2520, 2160, 1455, 735, "0", colour::white, colour::blue, false, true, Align::Right, 36),
        // Card board: suit marks behind the strips, strips behind the rank labels.
        label("Label19", 6240, 1920, 255, 255, "◆", colour::red, colour::blue, false, true, Align::Left, 9),
        label("Label20", 9840, 1920, 255, 255, "◆", colour::red, colour::blue, false, true, Align::Left, 9),
        label("Label21", 6240, 2160, 255, 255, "◆", colour::cyan, colour::blue, false, true, Align::Left, 9),
        label("Label22", 9840, 2160, 255, 255, "◆", colour::cyan, colour::blue, false, true, Align::Left, 9),
        label("Label23", 6240, 2400, 255, 255, "★", colour::red, colour::blue, false, true, Align::Left, 9),
        label("Label24", 9840, 2400, 255, 255, "★", colour::red, colour::blue, false, true, Align::Left, 9),
        label("Label25", 6240, 2640, 255, 255, "★", colour::cyan, colour::blue, false, true, Align::Left, 9),
        label("Label26", 9840, 2640, 255, 255, "★", colour::cyan, colour::blue, false, true, Align::Left, 9),
        label("DIA", 6480, 1920, 3375, 255, "", colour::white, colour::blue, false, true, Align::Left, 9),
        label("SPADE", 6480, 2160, 3375, 255, "", colour::white, colour::blue, false, true, Align::Left, 9),
        label("HEART", 6480, 2400, 3375, 255, "", colour::white, colour::blue, false, true, Align::Left, 9),
        label("CLOVER", 6480, 2640, 3375, 255, "", colour::white, colour::blue, false, true, Align::Left, 9),
        label("D1", 6600, 1920, 135, 255, "A", colour::white, colour::black, true, false, Align::Left, 11.25),
        label("D2", 6840, 1920, 135, 255, "2", colour::white, colour::black, true, false, Align::Left, 11.25),
        label("D3", 7080, 1920, 135, 255, "3", colour::white, colour::black, true, false, Align::Left, 11.25),
        label("D4", 7320, 1920, 135, 255, "4", colour::white, colour::black, true, false, Align::Left, 11.25),
        label("D5", 7560, 1920, 135, 255, "5", colour::white, colour::black, true, false, Align::Left, 11.25),
        label("D6", 7800, 1920, 135, 255, "6", colour::white, colour::black, true, false, Align::Left, 11.25),
        label("D7", 8040, 1920, 135, 255, "7", colour::white, colour::black, true, false, Align::Left, 11.25),
        label("D8", 8280, 1920, 135, 255, "8", colour::white, colour::black, true, false, Align::Left, 11.25),
        label("D9", 8520, 1920, 135, 255, "9", colour::white, colour::black, true, false, Align::Left, 11.25),
        label("D10", 8760, 1920, 255, 255, "10", colour::white, colour::black, true, false, Align::Left, 11.25),
        label("D11", 9120, 1920, 135, 255, "J", colour::white, colour::black, true, false, Align::Left, 11.25),
        label("D12", 9360, 1920, 255, 255, "Q", colour::white, colour::black, true, false, Align::Left, 11.25),
        label("D13", 9600, 1920, 135, 255, "K", colour::white, colour::black, true, false, Align::Left, 11.25),
        label("S1", 6600, 2160, 135, 255, "A", colour::white, colour::black, true, false, Align::Left, 11.25),
        label("S2", 6840, 2160, 135, 255, "2", colour::white, colour::black, true, false, Align::Left, 11.25),
        label("S3", 7080, 2160, 135, 255, "3", colour::white, colour::black, true, false, Align::Left, 11.25),
        label("S4", 7320, 2160, 135, 255, "4", colour::white, colour::black, true, false, Align::Left, 11.25),
        label("S5", 7560, 2160, 135, 255, "5", colour::white, colour::black, true, false, Align::Left, 11.25),
        label("S6", 7800, 2160, 135, 255, "6", colour::white, colour::black, true, false, Align::Left, 11.25),
        label("S7", 8040, 2160, 135, 255, "7", colour::white, colour::black, true, false, Align::Left, 11.25),
        label("S8", 8280, 2160, 135, 255, "8", colour::white, colour::black, true, false, Align::Left, 11.25),
        label("S9", 8520, 2160, 135, 255, "9", colour::white, colour::black, true, false, Align::Left, 11.25),
        label("S10", 8760, 2160, 255, 255, "10", colour::white, colour::black, true, false, Align::Left, 11.25),
        label("S11", 9120, 2160, 135, 255, "J", colour::white, colour::black, true, false, Align::Left, 11.25),
        label("S12", 9360, 2160, 255, 255, "Q", colour::white, colour::black, true, false, Align::Left, 11.25),
        label("S13", 9600, 2160, 135, 255, "K", colour::white, colour::black, true, false, Align::Left, 11.25),
        label("H1", 6600, 2400, 135, 255, "A", colour::white, colour::black, true, false, Align::Left, 11.25),
        label("H2", 6840, 2400, 135, 255, "2", colour::white, colour::black, true, false, Align::Left, 11.25),
        label("H3", 7080, 2400, 135, 255, "3", colour::white, colour::black, true, false, Align::Left, 11.25),
        label("H4", 7320, 2400, 135, 255, "4", colour::white, colour::black, true, false, Align::Left, 11.25),
        label("H5", 7560, 2400, 135, 255, "5", colour::white, colour::black, true, false, Align::Left, 11.25),
        label("H6", 7800, 2400, 135, 255, "6", colour::white, colour::black, true, false, Align::Left, 11.25),
        label("H7", 8040, 2400, 135, 255, "7", colour::white, colour::black, true, false, Align::Left, 11.25),
        label("H8", 8280, 2400, 135, 255, "8", colour::white, colour::black, true, false, Align::Left, 11.25),
        label("H9", 8520, 2400, 135, 255, "9", colour::white, colour::black, true, false, Align::Left, 11.25),
        label("H10", 8760, 2400, 255, 255, "10", colour::white, colour::black, true, false, Align::Left, 11.25),
        label("H11", 9120, 2400, 135, 255, "J", colour::white, colour::black, true, false, Align::Left, 11.25),
        label("H12", 9360, 2400, 255, 255, "Q", colour::white, colour::black, true, false, Align::Left, 11.25),
        label("H13", 9600, 2400, 135, 255, "K", colour::white, colour::black, true, false, Align::Left, 11.25),
        label("C1", 6600, 2640, 135, 255, "A", colour::white, colour::black, true, false, Align::Left, 11.25),
        label("C2", 6840, 2640, 135, 255, "2", colour::white, colour::black, true, false, Align::Left, 11.25),
        label("C3", 7080, 2640, 135, 255, "3", colour::white, colour::black, true, false, Align::Left, 11.25),
        label("C4", 7320, 2640, 135, 255, "4", colour::white, colour::black, true, false, Align::Left, 11.25),
        label("C5", 7560, 2640, 135, 255, "5", colour::white, colour::black, true, false, Align::Left, 11.25),
        label("C6", 7800, 2640, 135, 255, "6", colour::white, colour::black, true, false, Align::Left, 11.25),
        label("C7", 8040, 2640, 135, 255, "7", colour::white, colour::black, true, false, Align::Left, 11.25),
        label("C8", 8280, 2640, 135, 255, "8", colour::white, colour::black, true, false, Align::Left, 11.25),
        label("C9", 8520, 2640, 135, 255, "9", colour::white, colour::black, true, false, Align::Left, 11.25),
        label("C10", 8760, 2640, 255, 255, "10", colour::white, colour::black, true, false, Align::Left, 11.25),
        label("C11", 9120, 2640, 135, 255, "J", colour::white, colour::black, true, false, Align::Left, 11.25),
        label("C12", 9360, 2640, 375, 255, "Q", colour::white, colour::black, true, false, Align::Left, 11.25),
        label("C13", 9600, 2640, 135, 255, "K", colour::white, colour::black, true, false, Align::Left, 11.25),
        // Slot captions and credits.
        label("SEL1", 120, 6000, 1815, 255, "SELECTABLE", colour::white, colour::black, false, false, Align::Centre, 9.75),
        label("SEL2", 2160, 6000, 1815, 255, "SELECTABLE", colour::white, colour::black, false, false, Align::Centre, 9.75),
        label("SEL3", 4200, 6000, 1815, 255, "SELECTABLE", colour::white, colour::black, false, false, Align::Centre, 9.75),
        label("SEL4", 6240, 6000, 1815, 255, "SELECTABLE", colour::white, colour::black, false, false, Align::Centre, 9.75),
        label("SEL5", 8280, 6000, 1815, 255, "SELECTABLE", colour::white, colour::black, false, false, Align::Centre, 9.75),
        label("Label27", 120, 6360, 2895, 255, "CREDITS", colour::yellow, colour::black, false, false, Align::Left, 14.25),
        label("COINS", 120, 6720, 2895, 615, "100", colour::white, colour::black, false, false, Align::Left, 24),
        // The pile.
        ControlDesign{"Image1", ControlKind::Image, 4200, 120, 1815, 2775, "", colour::black, colour::black, true, false, Align::Left, 0, -1},
        // Buttons, above every label.
        button("CARD1", 120, 3120, 2775, "", colour::white, 0, 45),
        button("CARD2", 2160, 3120, 2775, "", colour::white, 0, 46),
        button("CARD3", 4200, 3120, 2775, "", colour::white, 0, 47),
        button("CARD4", 6240, 3120, 2775, "", colour::white, 0, 48),
        button("CARD5", 8280, 3120, 2775, "", colour::white, 0, 49),
        button("RepertBet", 4200, 6600, 615, "BETx10", colour::yellow, 21.75, 114),
        button("BET", 6240, 6600, 615, "BET", colour::yellow, 24, 44),
        button("START", 8280, 6600, 615, "START", colour::yellow, 24, 56),
    };
}();
// clang-format on

inline constexpr std::size_t controlCount = windowDesign.size();
static_assert(controlCount == 116);

// Position of a control in windowDesign; a name that is not there does not compile when the
// index is needed at compile time.
consteval std::size_t designIndex(std::string_view name)
{
    for (std::size_t i = 0; i < windowDesign.size(); ++i) {
        if (windowDesign[i].name == name)
            return i;
    }
    throw "no control of that name";
}

} // namespace nablo
