#pragma once

#include "advice/advisor.h"

#include <QString>

#include <cstdint>

namespace nablo {

class Form1;

// The advice in words for the window's title: "advice: slot 3", or "advice: only slot 2 can be
// placed"; empty when no slot is playable. The estimates show on the cards, not here.
QString adviceSummary(const Form1& form, const Advisor::Advice& advice);

} // namespace nablo
