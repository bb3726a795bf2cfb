#pragma once

#include <string>

namespace nablo::web {

// The window design for the page, as JSON: the window's size (CSS pixels), caption and
// background, every control in stacking order with its design values, and the site paths of
// the pictures the game can show (the page preloads them).
std::string designJson();

// The file beside the page that a path of the game names: "cards\d1.jpg" is cards/d1.jpg.
std::string sitePath(std::string path);

} // namespace nablo::web
