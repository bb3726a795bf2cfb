#pragma once

#include "advice/advisor.h"

#include <QString>

#include <cstdint>

namespace nablo {

class Form1;

// Continuations the window's advice plays for each playable slot: enough for estimates a
// player can trust, few enough to answer within a few tens of milliseconds (about 1.3 µs each).
inline constexpr int adviceRollouts = 3072;

// The seed of the advice for a table: the same table always gets the same advice.
std::uint64_t adviceSeed(const Form1& form);

// The advice for the table as it stands.
Advisor::Advice adviseOn(const Form1& form);

// The advice in words for the window's title: "advice: slot 3", or "advice: only slot 2 can be
// placed"; empty when no slot is playable. The estimates show on the cards, not here.
QString adviceSummary(const Form1& form, const Advisor::Advice& advice);

} // namespace nablo
