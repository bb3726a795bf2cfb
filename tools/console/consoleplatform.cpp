#include "consoleplatform.h"

#include "eventlines.h"
#include "table/control.h"

#include <ostream>

namespace nablo::console {

namespace {

const char* answerName(Answer answer)
{
    switch (answer) {
    case Answer::Yes: return "Yes";
    case Answer::No: return "No";
    case Answer::OK: break;
    }
    return "OK";
}

const char* iconName(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Question: return "question";
    case MessageIcon::Error: return "error";
    case MessageIcon::Information: break;
    }
    return "information";
}

const char* endingName(GameEnding ending)
{
    switch (ending) {
    case GameEnding::OutOfCredits: return "OutOfCredits";
    case GameEnding::AllCardsPlaced: return "AllCardsPlaced";
    case GameEnding::NoPlayableCard: break;
    }
    return "NoPlayableCard";
}

} // namespace

void ConsolePlatform::gameEnded(const GameOutcome& outcome)
{
    out_ << line({{"game_end",
                   {{"pay", outcome.pay},
                    {"cards", outcome.cardsPlaced},
                    {"hits", outcome.hits},
                    {"ending", endingName(outcome.ending)}}}});
}

void ConsolePlatform::playSound(const std::string& path) { out_ << line({{"sound", path}}); }

void ConsolePlatform::loadPicture(const std::string&) {}

void ConsolePlatform::pictureChanged(const Control& control)
{
    out_ << line({{"picture", {{"control", control.name()}, {"file", control.picture()}}}});
}

Answer ConsolePlatform::showMessage(const MessageBox& box)
{
    const bool yesNo = box.buttons == MessageButtons::YesNo;
    Answer answer = yesNo ? Answer::Yes : Answer::OK;
    if (!answers_.empty()) {
        const Answer queued = answers_.front();
        answers_.pop_front();
        if (yesNo && queued == Answer::No)
            answer = Answer::No;
    }
    out_ << line({{"msgbox",
                   {{"title", box.title},
                    {"text", box.text},
                    {"buttons", yesNo ? "YesNo" : "OK"},
                    {"icon", iconName(box.icon)}}},
                  {"answer", answerName(answer)}});
    return answer;
}

float ConsolePlatform::nextRandom()
{
    if (randoms_.empty())
        return generator_.nextFloat();
    const float value = randoms_.front();
    randoms_.pop_front();
    return value;
}

} // namespace nablo::console
