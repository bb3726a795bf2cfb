#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace nablo {

class Control;

enum class MessageButtons { OK, YesNo };
enum class MessageIcon { Information, Question, Error };
enum class Answer { OK, Yes, No };

// Which box of the game a message box is, so that what it asks can be said in other words
// without its text being read back: the end of a game with all 104 cards placed, or with no card
// that can be placed, the last pay before the credits run out, and the end of the program when
// they have. Other for every box of the program itself.
enum class BoxKind { Other, AllCardsPlaced, NoCardPlaceable, LastPay, CreditsGone };

// A modal message box. Lines of the text are separated by CR LF. With Yes and No, Yes comes
// first and is the default. A box of the game has its kind and the pay its text states.
struct MessageBox {
    std::string title;
    std::string text;
    MessageButtons buttons = MessageButtons::OK;
    MessageIcon icon = MessageIcon::Information;
    BoxKind kind = BoxKind::Other;
    std::int32_t pay = 0;
};

// How a game ended: no slot card matched the pile, the same with the credits gone (the program
// ends), or all 104 cards of both passes were placed.
enum class GameEnding { NoPlayableCard, OutOfCredits, AllCardsPlaced };

// What a game paid and how it went, as the table stood when it was paid.
struct GameOutcome {
    std::int32_t pay = 0;
    int cardsPlaced = 0;       // 0..104
    std::array<int, 5> hits{}; // by bonus row: royal flush .. flush
    GameEnding ending = GameEnding::NoPlayableCard;
};

// The services of the machine that the game uses. The game hands over the paths it names
// ("wav\bet.wav", "cards\d1.jpg"), relative to the working directory and written with
// backslashes.
class Platform {
public:
    virtual ~Platform() = default;

    // Starts a sound and returns at once; a new sound cuts off the one playing. A sound that
    // cannot be played never reaches the game as an error.
    virtual void playSound(const std::string& path) = 0;

    // Makes sure the picture at path can be shown; throws RunTimeError naming the file and the
    // reason when it cannot. Never called for the empty picture.
    virtual void loadPicture(const std::string& path) = 0;

    // Told after a control has been given a picture (loaded, copied or emptied).
    virtual void pictureChanged(const Control& control) { (void)control; }

    // Told when a game has been paid, before its end-of-game box opens.
    virtual void gameEnded(const GameOutcome& outcome) { (void)outcome; }

    // Shows a modal box and returns the button pressed.
    virtual Answer showMessage(const MessageBox& box) = 0;

    // The random source of the card draw: reseed from the clock, then a value 0 <= r < 1.
    virtual void reseedRandom() = 0;
    virtual float nextRandom() = 0;
};

} // namespace nablo
