// The functions the page calls for the play aids: keys, advice, demo, sound switch, trainer,
// help, statistics and where a box opens. The play session decides; the page draws.

#include "advice/statistics.h"
#include "session/accessible.h"
#include "session/statistics.h"
#include "session/words.h"
#include "web/json.h"
#include "web/run.h"

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
bool keyNamed(std::string_view name, Key& key)
{
    static constexpr std::array<std::pair<std::string_view, Key>, 16> keys{{
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
    for (const auto& [keyName, value] : keys) {
        if (keyName == name) {
            key = value;
            return true;
        }
    }
    return false;
}

std::string pressJson(const Press& press)
{
    static constexpr std::array<std::string_view, 9> commands{
        "nothing", "click", "refused", "advice", "demo", "sound", "trainer", "help", "statistics"};
    return "{\"command\":" + quoted(commands[static_cast<std::size_t>(press.command)])
           + ",\"control\":" + quoted(press.control) + ",\"slot\":" + std::to_string(press.slot)
           + "}";
}

template <typename T, typename Each>
std::string list(const std::vector<T>& items, Each each)
{
    std::string json = "[";
    for (const T& item : items)
        json += (json.size() > 1 ? "," : "") + each(item);
    return json + "]";
}

std::string number(double value) { return std::to_string(value); }

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

// A key of the page's (KeyboardEvent.key, letters in lower case), with the card slot that has
// the focus (0 for none): {"command":...,"control":...,"slot":k}, or null for a key the game
// does not use. The session has done its own part of the command before this returns.
EMSCRIPTEN_KEEPALIVE const char* nablo_key(const char* name, int focusedSlot)
{
    Run* run = currentRun();
    Key key{};
    if (!run || !keyNamed(name, key))
        return answer("null");
    // Once the run has ended the page stays: its help and its sound still answer their keys.
    const bool ended = !run->guard.isRunning() && run->guard.exitStatus().has_value();
    const bool idle = run->idle() || (ended && (key == Key::F1 || key == Key::M));
    return answer(pressJson(run->session.pressKey(key, idle, focusedSlot)));
}

// A click of the player's on a card slot, before it runs: "refused" when its card cannot be
// placed now.
EMSCRIPTEN_KEEPALIVE const char* nablo_slot_press(int slot)
{
    Run* run = currentRun();
    return answer(run ? pressJson(run->session.pressSlot(slot, run->idle())) : "null");
}

// What the aids show now: the title and status words, the advice, the trainer's note.
EMSCRIPTEN_KEEPALIVE const char* nablo_aids()
{
    Run* run = currentRun();
    if (!run)
        return answer("null");
    const PlaySession& session = run->session;
    const std::string figures = list(session.figures(), [](const PlaySession::SlotFigure& f) {
        return "{\"slot\":" + std::to_string(f.slot) + ",\"expected\":" + quoted(f.text) + "}";
    });
    return answer(
        "{\"title\":" + quoted(session.title()) + ",\"status\":" + quoted(session.status())
        + ",\"advised\":" + std::to_string(session.advisedSlot()) + ",\"figures\":" + figures
        + ",\"figureCaption\":" + quoted(figureCaption()) + ",\"figuresName\":"
        + quoted(figuresName()) + ",\"note\":" + quoted(session.trainerNote()) + ",\"noteName\":"
        + quoted(trainerName()) + ",\"noteSerial\":" + std::to_string(session.trainerNoteSerial())
        + ",\"demo\":" + (session.isDemoRunning() ? "true" : "false")
        + ",\"muted\":" + (session.isMuted() ? "true" : "false")
        + ",\"trainer\":" + (session.isTrainerOn() ? "true" : "false")
        + ",\"notSelectable\":" + quoted(notSelectableWord()) + "}");
}

// The demo's timer ticked: the slot to click now, 0 when the demo has stopped.
EMSCRIPTEN_KEEPALIVE int nablo_demo_step()
{
    Run* run = currentRun();
    return run ? run->session.demoStep(run->idle()) : 0;
}

// A slice of the page's idle time, about `budget` microseconds, for the table's estimate and
// the trainer's judgements: 1 when work remains, plus 2 when a judgement was finished.
EMSCRIPTEN_KEEPALIVE int nablo_work(int budget)
{
    Run* run = currentRun();
    if (!run || !run->idle())
        return 0;
    const long long judged = run->session.statistics().judged();
    const bool more = run->session.work(std::chrono::microseconds(budget), run->idle());
    return (more ? 1 : 0) | (run->session.statistics().judged() != judged ? 2 : 0);
}

// Any press of the player's but D, the note's and the sound word's timers.
EMSCRIPTEN_KEEPALIVE void nablo_stop_demo()
{
    if (Run* run = currentRun())
        run->session.stopDemo();
}

EMSCRIPTEN_KEEPALIVE void nablo_note_expired()
{
    if (Run* run = currentRun())
        run->session.dismissTrainerNote();
}

EMSCRIPTEN_KEEPALIVE void nablo_sound_note_expired()
{
    if (Run* run = currentRun())
        run->session.soundNoteExpired();
}

// The help: {"heading":...,"lines":[{"keys":[...],"range":b,"text":...}],"notes":[...]}.
EMSCRIPTEN_KEEPALIVE const char* nablo_help()
{
    const std::string lines = list(helpLines(), [](const HelpLine& line) {
        return "{\"keys\":" + list(line.keys, [](const std::string& key) { return quoted(key); })
               + ",\"range\":" + (line.range ? "true" : "false") + ",\"text\":" + quoted(line.text)
               + "}";
    });
    return answer("{\"heading\":" + quoted(helpHeading()) + ",\"lines\":" + lines + ",\"notes\":"
                  + list(helpNotes(), [](const std::string& note) { return quoted(note); }) + "}");
}

// The run's statistics: the labelled figures, the games by tier row, the credits before the
// first game and after each, and the words around them.
EMSCRIPTEN_KEEPALIVE const char* nablo_statistics()
{
    Run* run = currentRun();
    if (!run)
        return answer("null");
    const RunStatistics& s = run->session.statistics();
    const std::vector<TierBar> bars = tierBars(s, run->form);
    const StatisticsWords w = statisticsWords();
    std::string json =
        "{\"rows\":" + list(statisticsRows(s, run->form), [](const StatisticsRow& row) {
            return "{\"label\":" + quoted(row.label) + ",\"value\":" + quoted(row.value) + "}";
        });
    json += ",\"tiers\":" + list(bars, [](const TierBar& bar) {
                return "{\"name\":" + quoted(bar.name) + ",\"games\":" + std::to_string(bar.games)
                       + "}";
            });
    json += ",\"start\":" + number(s.startingCredits()) + ",\"credits\":"
            + list(s.creditsAfterGames(), [](double credits) { return number(credits); });
    json += ",\"creditsWords\":" + quoted(creditsInWords(s))
            + ",\"tiersWords\":" + quoted(tiersInWords(bars));
    json += ",\"words\":{\"title\":" + quoted(w.title) + ",\"figures\":" + quoted(w.figures)
            + ",\"creditsChart\":" + quoted(w.creditsChart) + ",\"gameAxis\":" + quoted(w.gameAxis)
            + ",\"creditsAxis\":" + quoted(w.creditsAxis)
            + ",\"tiersChart\":" + quoted(w.tiersChart) + ",\"tiersAxis\":" + quoted(w.tiersAxis)
            + ",\"gamesAxis\":" + quoted(w.gamesAxis) + ",\"close\":" + quoted(w.close) + "}";
    return answer(json + "}");
}

// Where a box of width x height opens over the table at (left, top) of that width, in a
// browser window of availableWidth x availableHeight: {"x":...,"y":...}.
EMSCRIPTEN_KEEPALIVE const char* nablo_box_place(int left, int top, int width, int boxWidth,
                                                 int boxHeight, int availableWidth,
                                                 int availableHeight)
{
    const Corner corner = boxPlacement({left, top, width, 0}, boxWidth, boxHeight,
                                       {0, 0, availableWidth, availableHeight});
    return answer("{\"x\":" + std::to_string(corner.x) + ",\"y\":" + std::to_string(corner.y)
                  + "}");
}

} // extern "C"
