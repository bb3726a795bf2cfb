#include "script.h"

#include "consoleplatform.h"
#include "deck/cards.h"
#include "deck/draw.h"
#include "eventlines.h"
#include "game/betting.h"
#include "game/bonus.h"
#include "game/ending.h"
#include "game/events.h"
#include "game/place.h"
#include "game/progress.h"
#include "game/reset.h"
#include "game/start.h"
#include "lines.h"
#include "session/run.h"
#include "table/board.h"
#include "table/errors.h"
#include "table/form.h"
#include "table/slotcontrols.h"
#include "training.h"
#include "wager/payout.h"

#include <charconv>
#include <cmath>
#include <functional>
#include <istream>
#include <limits>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace nablo::console {

namespace {

using Procedure = void (*)(Form1&);

// The procedures that take the form alone and return nothing, by name; nullptr for any other.
Procedure plainProcedure(std::string_view name)
{
    static const std::vector<std::pair<std::string_view, Procedure>> plain{
        {"Form_Load", Form_Load},
        {"INITGAME", INITGAME},
        {"B_CHECK", B_CHECK},
        {"BET_Click", BET_Click},
        {"RepertBet_Click", RepertBet_Click},
        {"START_Click", START_Click},
        {"PAYOUT", PAYOUT},
        {"L_CHECK", L_CHECK},
        {"CARD1_Click", CARD1_Click},
        {"CARD2_Click", CARD2_Click},
        {"CARD3_Click", CARD3_Click},
        {"CARD4_Click", CARD4_Click},
        {"CARD5_Click", CARD5_Click},
    };
    for (const auto& entry : plain) {
        if (entry.first == name)
            return entry.second;
    }
    return nullptr;
}

class Interpreter {
public:
    Interpreter(std::ostream& out) : out_(out), platform_(out), training_(out)
    {
        run_.session().setJudgementListener(
            [this](const Judgement& judgement) { training_.judged(judgement); });
    }

    // Checks a whole line and returns what it does, so that a bad line applies nothing.
    std::function<void()> parse(const std::string& line);

private:
    std::function<void()> parseCall(const std::vector<std::string>& words);
    // advise, trainer on|off, stats.
    std::function<void()> parseTraining(const std::vector<std::string>& words);
    std::function<void()> parseSet(const std::vector<std::string>& words, const std::string& line);
    Control& control(const std::string& name)
    {
        Control* c = form_.find(name);
        if (!c)
            throw BadLine{"no control named \"" + name + "\""};
        return *c;
    }
    void result(Event value) { out_ << line({{"result", std::move(value)}}); }

    std::ostream& out_;
    ConsolePlatform platform_;
    Run run_{platform_};
    Form1& form_ = run_.form();
    Training training_;
};

std::function<void()> Interpreter::parse(const std::string& line)
{
    const std::vector<std::string> words = tokens(line);
    const std::string& command = words[0];
    if (command == "seed") {
        expectCount(words, 2, "seed N");
        const auto seed = integer<std::int64_t>(words[1], "the seed");
        return [this, seed] { platform_.seed(static_cast<std::uint64_t>(seed)); };
    }
    if (command == "rnd" || command == "answer") {
        if (words.size() < 2)
            throw BadLine{"usage: " + command + " VALUE..."};
        std::vector<float> values;
        std::vector<Answer> answers;
        for (std::size_t i = 1; i < words.size(); ++i) {
            if (command == "rnd")
                values.push_back(randomValue(words[i]));
            else
                answers.push_back(answerValue(words[i]));
        }
        return [this, values, answers] {
            for (float v : values)
                platform_.queueRandom(v);
            for (Answer a : answers)
                platform_.queueAnswer(a);
        };
    }
    if (command == "click") {
        expectCount(words, 2, "click NAME");
        const std::string name = words[1];
        if (!clickHandler(name))
            throw BadLine{"\"" + name + "\" is not a control that takes clicks"};
        return [this, name] {
            // The run's guard keeps how the click ended; the script stops as it would have.
            run_.click(name);
            if (const std::optional<int> status = run_.guard().exitStatus()) {
                if (*status == 0)
                    throw ProgramEnd{};
                throw RunTimeError(run_.guard().error());
            }
        };
    }
    if (command == "set")
        return parseSet(words, line);
    if (command == "call")
        return parseCall(words);
    if (command == "advise" || command == "trainer" || command == "stats")
        return parseTraining(words);
    if (command == "dump") {
        expectCount(words, 1, "dump");
        return [this] { out_ << dump(form_); };
    }
    throw BadLine{"unknown command \"" + command + "\""};
}

std::function<void()> Interpreter::parseTraining(const std::vector<std::string>& words)
{
    if (words[0] == "advise") {
        expectCount(words, 1, "advise");
        return [this] { training_.advise(form_); };
    }
    if (words[0] == "stats") {
        expectCount(words, 1, "stats");
        return [this] { training_.stats(run_.session().statistics()); };
    }
    if (words.size() != 2 || (words[1] != "on" && words[1] != "off"))
        throw BadLine{"usage: trainer on|off"};
    const bool on = words[1] == "on";
    return [this, on] {
        if (run_.session().isTrainerOn() != on)
            run_.session().toggleTrainer();
    };
}

std::function<void()> Interpreter::parseSet(const std::vector<std::string>& words,
                                            const std::string& line)
{
    if (words.size() < 3)
        throw BadLine{"usage: set NAME VALUE"};
    if (Control* c = form_.find(words[1])) {
        // The caption is the rest of the line after the name.
        const auto start = line.find(words[1]) + words[1].size();
        const auto valueStart = line.find_first_not_of(" \t", start);
        const auto valueEnd = line.find_last_not_of(" \t\r");
        std::string caption = line.substr(valueStart, valueEnd - valueStart + 1);
        if (caption == "\"\"")
            caption.clear();
        return [c, caption] { c->setCaption(caption); };
    }
    expectCount(words, 3, "set NAME VALUE");
    const Variable v = variable(form_, words[1]);
    if (v.small) {
        const auto value = integer<std::int16_t>(words[2], words[1]);
        return [v, value] { *v.small = value; };
    }
    if (v.large) {
        const auto value = integer<std::int32_t>(words[2], words[1]);
        return [v, value] { *v.large = value; };
    }
    throw BadLine{"no control or form variable named \"" + words[1] + "\""};
}

std::function<void()> Interpreter::parseCall(const std::vector<std::string>& words)
{
    if (words.size() < 2)
        throw BadLine{"usage: call PROCEDURE ARGUMENTS"};
    const std::string& name = words[1];
    if (const Procedure procedure = plainProcedure(name)) {
        expectCount(words, 2, "call " + name);
        return [this, procedure] { procedure(form_); };
    }
    if (name == "S_CHECK") {
        expectCount(words, 2, "call S_CHECK");
        return [this] { result(S_CHECK(form_)); };
    }
    if (name == "CA") {
        expectCount(words, 3, "call CA CODE");
        const auto code = integer<std::int16_t>(words[2], "the card code");
        return [this, code] { result(CA(code)); };
    }
    if (name == "D_CHECK") {
        expectCount(words, 3, "call D_CHECK CODE");
        const auto code = integer<std::int16_t>(words[2], "the card code");
        return [this, code] { result(D_CHECK(form_, code)); };
    }
    if (name == "Color_Change") {
        if (words.size() != 3 && words.size() != 4)
            throw BadLine{"usage: call Color_Change CODE WORD"};
        const auto code = integer<std::int16_t>(words[2], "the card code");
        const std::string word = words.size() == 4 ? words[3] : std::string();
        return [this, code, word] { Color_Change(form_, code, word); };
    }
    if (name == "CardChange") {
        expectCount(words, 3, "call CardChange BUTTON");
        Control& button = control(words[2]);
        return [this, &button] { CardChange(form_, button); };
    }
    if (name == "Card_Click") {
        if (words.size() != 3 && words.size() != 4)
            throw BadLine{"usage: call Card_Click SLOT [BUTTON]"};
        const auto slot = integer<std::int16_t>(words[2], "the slot");
        const std::string buttonName =
            words.size() == 4 ? words[3]
                              : std::string(slotControl(slot >= 1 && slot <= 5 ? slot : 1));
        Control& button = control(buttonName);
        return [this, slot, &button] { Card_Click(form_, slot, button); };
    }
    throw BadLine{"unknown procedure \"" + name + "\""};
}

} // namespace

int runScript(std::istream& script, std::ostream& out, std::ostream& err)
{
    Interpreter interpreter(out);
    int lineNumber = 0;
    const auto run = [&](const std::function<void()>& action) {
        try {
            action();
        } catch (const ProgramEnd&) {
            out << line({{"end", true}});
            return 0;
        } catch (const RunTimeError& e) {
            out << line({{"error", e.what()}});
            return 1;
        }
        return -1;
    };

    // The program starts: the window with its design values, then its load event.
    if (const int status = run(interpreter.parse("call Form_Load")); status >= 0)
        return status;

    const auto refuse = [&](const std::string& why) {
        out.flush();
        err << "nablo-console: line " << lineNumber << ": " << printable(why) << '\n';
        return 2;
    };
    for (std::string line;;) {
        const LineRead read = readLine(script, line);
        if (read == LineRead::End)
            break;
        ++lineNumber;
        if (read == LineRead::TooLong)
            return refuse("longer than " + std::to_string(maxLineBytes) + " bytes");
        if (const auto hash = line.find('#'); hash != std::string::npos)
            line.erase(hash);
        if (line.find_first_not_of(" \t\r") == std::string::npos)
            continue;
        std::function<void()> action;
        try {
            action = interpreter.parse(line);
        } catch (const BadLine& bad) {
            return refuse(bad.message);
        }
        if (const int status = run(action); status >= 0)
            return status;
    }
    return 0;
}

} // namespace nablo::console
