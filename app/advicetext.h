#pragma once

#include "advice/advisor.h"

#include <QString>

#include <cstdint>

namespace nablo {

class Form1;


// The advice in words for the window's title: "advice: slot 3 (slot 1: 12.4, slot 3: 15.1
// credits)", or "advice: only slot 2 can be placed"; empty when no slot is playable.
QString adviceSummary(const Form1& form, const Advisor::Advice& advice);

} // namespace nablo
