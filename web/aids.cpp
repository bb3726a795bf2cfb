// The functions the page calls for the play aids: keys, advice, demo, sound switch, trainer,
// help, statistics and where a box opens. The play session decides; the page draws.

#include "advice/headless.h"
#include "advice/runstatistics.h"
#include "session/accessible.h"
#include "session/boxplacement.h"
#include "session/statisticswords.h"
#include "session/words.h"
#include "table/form.h"
#include "table/slotcontrols.h"
#include "web/binding.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace nablo::web {

namespace {

// The page's names of the keys, as KeyboardEvent.key gives them, letters in lower case.
constexpr std::array<std::pair<std::string_view, Key>, 16> keys{{
    {"1", Key::Slot1},
    {"2", Key::Slot2},
    {"3", Key::Slot3},
    {"4", Key::Slot4},
    {"5", Key::Slot5},
    {"b", Key::B},
    {"x", Key::X},
    {"s", Key::S},
    {"Enter", Key::Enter},
    {" ", Key::Space},
    {"h", Key::H},
    {"d", Key::D},
    {"m", Key::M},
    {"t", Key::T},
    {"F1", Key::F1},
    {"F2", Key::F2},
}};

bool keyNamed(std::string_view name, Key& key)
{
    for (const auto& [keyName, value] : keys) {
        if (keyName == name) {
            key = value;
            return true;
        }
    }
    return false;
}

// The press as the page reads it, with the run state after it.
Json pressJson(const Press& press)
{
    static constexpr std::array<std::string_view, 9> commands{
        "nothing", "click", "refused", "advice", "demo", "sound", "trainer", "help", "statistics"};
    static constexpr std::array<std::string_view, 4> roles{"slot", "bet", "betx10", "start"};
    return {{"command", commands[static_cast<std::size_t>(press.command)]},
            {"role", roles[static_cast<std::size_t>(press.role)]},
            {"slot", press.slot},
            {"state", runState()}};
}

// The page's translation of the program's words, by context and English text.
std::map<std::pair<std::string, std::string>, std::string>& translations()
{
    static std::map<std::pair<std::string, std::string>, std::string> table;
    return table;
}

} // namespace

} // namespace nablo::web

using namespace nablo;
using namespace nablo::web;

extern "C" {

// The program's words in the page's language: records separated by U+001E, each the context,
// the English text and its translation separated by U+001F, as the page's translation table
// holds them. An empty table brings back English.
EMSCRIPTEN_KEEPALIVE void nablo_set_words(const char* table)
{
    translations().clear();
    const std::string_view text(table);
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\x1e', start), text.size());
        const std::string_view record = text.substr(start, end - start);
        const std::size_t first = record.find('\x1f');
        const std::size_t second = record.find('\x1f', first + 1);
        if (first != std::string_view::npos && second != std::string_view::npos) {
            translations()[{std::string(record.substr(0, first)),
                            std::string(record.substr(first + 1, second - first - 1))}] =
                std::string(record.substr(second + 1));
        }
        start = end + 1;
    }
    setTranslator([](const char* context, const char* english) {
        const auto found = translations().find({context, english});
        return found == translations().end() ? std::string(english) : found->second;
    });
}

// What the page needs to know of the aids before it takes a key: the keys the game uses, those
// that still work once the run has ended, the session's intervals in milliseconds, the
// controls of the card slots, and the controls whose changes a placement announces.
EMSCRIPTEN_KEEPALIVE const char* nablo_page()
{
    HeadlessPlatform platform;
    const Form1 form(platform);
    Json names = Json::array();
    for (const auto& [name, key] : keys)
        names.push_back(name);
    Json voiced = Json::object();
    voiced[std::string(form.Image1().name())] = "pile";
    voiced[std::string(form.TEN().name())] = "count";
    for (int row = 1; row <= 7; ++row)
        voiced[std::string(form.tierLabel(row).name())] = "rows";
    for (int row = 1; row <= 5; ++row)
        voiced[std::string(form.bonusLabel(row).name())] = "rows";
    return answer({{"keys", names},
                   {"keysAfterEnd", {"F1", "m"}},
                   {"times",
                    {{"demo", PlaySession::demoInterval},
                     {"soundNote", PlaySession::soundNoteShown},
                     {"trainerNote", PlaySession::trainerNoteShown}}},
                   {"slots", slotControls},
                   {"voiced", voiced}});
}

// A key of the page's (KeyboardEvent.key, letters in lower case), with the card slot that has
// the focus (0 for none), taken once the run is idle: {"command":...,"role":...,"slot":k,
// "state":n}, or null for a key the game does not use. The session has done its own part of
// the command, and a click it asks for has run (the page heard of it through
// Module.page.clicking), before this returns.
EMSCRIPTEN_KEEPALIVE const char* nablo_key(const char* name, int focusedSlot)
{
    Run* run = pageRun();
    Key key{};
    if (!run || !keyNamed(name, key))
        return answer(nullptr);
    return answer(pressJson(run->pressKey(key, focusedSlot)));
}

// What the aids show now: the title and status words, the advice, the trainer's note.
EMSCRIPTEN_KEEPALIVE const char* nablo_aids()
{
    Run* run = pageRun();
    if (!run)
        return answer(nullptr);
    const PlaySession& session = run->session();
    Json figures = Json::array();
    for (const PlaySession::SlotFigure& figure : session.figures())
        figures.push_back({{"slot", figure.slot}, {"expected", figure.text}});
    return answer({{"title", session.title()},
                   {"status", session.status()},
                   {"advised", session.advisedSlot()},
                   {"figures", figures},
                   {"figureCaption", figureCaption()},
                   {"figuresName", figuresName()},
                   {"note", session.trainerNote()},
                   {"noteName", trainerName()},
                   {"noteSerial", session.trainerNoteSerial()},
                   {"demo", session.isDemoRunning()},
                   {"muted", session.isMuted()},
                   {"trainer", session.isTrainerOn()},
                   {"notSelectable", notSelectableWord()}});
}

// The demo's timer ticked: its placement runs. {"again":b,"state":n}: again when the page
// starts the timer again.
EMSCRIPTEN_KEEPALIVE const char* nablo_demo_step()
{
    Run* run = pageRun();
    const bool again = run && run->demoStep();
    return answer({{"again", again}, {"state", runState()}});
}

// A slice of the page's idle time, about `budget` microseconds, for the table's estimate and
// the trainer's judgements: 1 when work remains, plus 2 when a judgement was finished.
EMSCRIPTEN_KEEPALIVE int nablo_work(int budget)
{
    Run* run = pageRun();
    if (!run || !run->idle())
        return 0;
    const long long judged = run->session().statistics().judged();
    const bool more = run->session().work(std::chrono::microseconds(budget), run->idle());
    return (more ? 1 : 0) | (run->session().statistics().judged() != judged ? 2 : 0);
}

// Any press of the player's but D, the note's and the sound word's timers.
EMSCRIPTEN_KEEPALIVE void nablo_stop_demo()
{
    if (Run* run = pageRun())
        run->session().stopDemo();
}

EMSCRIPTEN_KEEPALIVE void nablo_note_expired()
{
    if (Run* run = pageRun())
        run->session().dismissTrainerNote();
}

EMSCRIPTEN_KEEPALIVE void nablo_sound_note_expired()
{
    if (Run* run = pageRun())
        run->session().soundNoteExpired();
}

// The help: {"heading":...,"lines":[{"keys":[...],"range":b,"text":...}],"notes":[...]}.
EMSCRIPTEN_KEEPALIVE const char* nablo_help()
{
    Json lines = Json::array();
    for (const HelpLine& line : helpLines())
        lines.push_back({{"keys", line.keys}, {"range", line.range}, {"text", line.text}});
    return answer({{"heading", helpHeading()}, {"lines", lines}, {"notes", helpNotes()}});
}

// The run's statistics: the labelled figures, the games by tier row, the credits before the
// first game and after each, and the words around them.
EMSCRIPTEN_KEEPALIVE const char* nablo_statistics()
{
    Run* run = pageRun();
    if (!run)
        return answer(nullptr);
    const RunStatistics& s = run->session().statistics();
    const std::vector<TierBar> bars = tierBars(s, run->form());
    const StatisticsWords w = statisticsWords();
    Json rows = Json::array();
    for (const StatisticsRow& row : statisticsRows(s, run->form()))
        rows.push_back({{"label", row.label}, {"value", row.value}});
    Json tiers = Json::array();
    for (const TierBar& bar : bars)
        tiers.push_back({{"name", bar.name}, {"games", bar.games}});
    return answer({{"rows", rows},
                   {"tiers", tiers},
                   {"start", s.startingCredits()},
                   {"credits", s.creditsAfterGames()},
                   {"creditsWords", creditsInWords(s)},
                   {"tiersWords", tiersInWords(bars)},
                   {"words",
                    {{"title", w.title},
                     {"figures", w.figures},
                     {"creditsChart", w.creditsChart},
                     {"gameAxis", w.gameAxis},
                     {"creditsAxis", w.creditsAxis},
                     {"tiersChart", w.tiersChart},
                     {"tiersAxis", w.tiersAxis},
                     {"gamesAxis", w.gamesAxis},
                     {"close", w.close}}}});
}

// Where a box of width x height opens over the table at (left, top) of that width, in a
// browser window of availableWidth x availableHeight: {"x":...,"y":...}.
EMSCRIPTEN_KEEPALIVE const char* nablo_box_place(int left, int top, int width, int boxWidth,
                                                 int boxHeight, int availableWidth,
                                                 int availableHeight)
{
    const Corner corner = boxPlacement({left, top, width, 0}, boxWidth, boxHeight,
                                       {0, 0, availableWidth, availableHeight});
    return answer({{"x", corner.x}, {"y", corner.y}});
}

} // extern "C"
