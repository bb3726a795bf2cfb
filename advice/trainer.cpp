#include "advice/trainer.h"

#include "advice/estimate.h"
#include "deck/random.h"
#include "game/state.h"
#include "table/form.h"

#include <algorithm>
#include <cmath>

namespace nablo {

namespace {

double mean(const std::vector<double>& values)
{
    double sum = 0;
    for (double v : values)
        sum += v;
    return values.empty() ? 0 : sum / static_cast<double>(values.size());
}

// Half the width of the 95 % interval of the mean of values.
double halfWidth(const std::vector<double>& values)
{
    const double m = mean(values);
    double squares = 0;
    for (double v : values)
        squares += (v - m) * (v - m);
    return halfWidth95(squares, static_cast<double>(values.size()));
}

} // namespace

double halfWidth95(double squares, double n)
{
    return n < 2 ? 0 : z95 * std::sqrt(std::max(0.0, squares / (n - 1) / n));
}

std::uint64_t tableSeed(const Form1& form)
{
    std::uint64_t seed = 0x6e61626c6f;
    const auto add = [&seed](std::int64_t value) {
        seed = mix64(seed ^ static_cast<std::uint64_t>(value));
    };
    for (int code = 1; code <= 52; ++code)
        add(form.USED[static_cast<std::size_t>(code)]);
    for (int k = 1; k <= 5; ++k) {
        add(form.HAND[static_cast<std::size_t>(k)]);
        add(form.CANPLAY[static_cast<std::size_t>(k)]);
    }
    add(form.TOPCARD);
    add(form.PLAYED);
    add(form.SECONDDECK);
    return seed;
}

namespace {

// Half the width of the 95 % interval of the mean paired difference of two slots' pays.
double pairedMargin(const Advisor::Pays& pays, int a, int b)
{
    const auto& first = pays[static_cast<std::size_t>(a)];
    const auto& second = pays[static_cast<std::size_t>(b)];
    std::vector<double> differences(first.size());
    for (std::size_t i = 0; i < differences.size(); ++i)
        differences[i] = first[i] - second[i];
    return halfWidth(differences);
}

} // namespace

Assessment assess(const Advisor::Pays& pays, int preferred)
{
    Assessment assessment;
    assessment.pays = pays;
    for (int slot = 1; slot <= 5; ++slot) {
        const std::vector<double>& slotPays = pays[static_cast<std::size_t>(slot)];
        if (slotPays.empty())
            continue;
        const double expected = mean(slotPays);
        const double width = halfWidth(slotPays);
        assessment.estimates.push_back({slot, expected, expected - width, expected + width});
    }
    double bestExpected = 0;
    double preferredExpected = 0;
    for (const SlotEstimate& estimate : assessment.estimates) {
        if (assessment.best == 0 || estimate.expected > bestExpected) {
            assessment.best = estimate.slot;
            bestExpected = estimate.expected;
        }
        if (estimate.slot == preferred)
            preferredExpected = estimate.expected;
    }
    if (preferred != 0 && assessment.best != preferred
        && !pays[static_cast<std::size_t>(preferred)].empty()
        && bestExpected - preferredExpected <= pairedMargin(pays, assessment.best, preferred))
        assessment.best = preferred;
    return assessment;
}

Assessment Trainer::assess(const Form1& form) const
{
    return TableEstimate(form, rollouts_).run().assessment();
}

Judgement Trainer::judge(const Form1& form, int slot) const
{
    if (playableSlots(form).size() < 2) {
        Judgement judgement;
        judgement.slot = slot;
        judgement.best = slot;
        return judgement;
    }
    return TableEstimate(form, rollouts_).run().judge(slot);
}

Judgement Trainer::judge(const Assessment& assessment, int slot)
{
    Judgement judgement;
    judgement.slot = slot;
    judgement.best = assessment.best;
    const auto estimate = [&assessment](int k) {
        for (const SlotEstimate& e : assessment.estimates)
            if (e.slot == k)
                return e.expected;
        return std::nan("");
    };
    const double chosen = estimate(slot);
    if (assessment.estimates.size() < 2 || slot == assessment.best || std::isnan(chosen))
        return judgement;
    judgement.cost = estimate(assessment.best) - chosen;
    judgement.margin = pairedMargin(assessment.pays, assessment.best, slot);
    judgement.flagged = judgement.cost > judgement.margin;
    return judgement;
}

} // namespace nablo
