#pragma once

#include "app/picturecache.h"
#include "app/soundswitch.h"
#include "deck/random.h"
#include "table/platform.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

class QSoundEffect;

namespace nablo {

// The machine's services for the game, with Qt: one sound channel, decoded pictures, modal
// message boxes and the clock-seeded random source.
class QtPlatform : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

    void playSound(const std::string& path) override;
    void loadPicture(const std::string& path) override;
    Answer showMessage(const MessageBox& box) override;
    void reseedRandom() override { random_.reseed(); }
    float nextRandom() override { return random_.next(); }

    PictureCache& pictures() { return pictures_; }

    // The window message boxes open over.
    void setDialogParent(QWidget* parent) { dialogParent_ = parent; }

    // Runs before a message box opens, so the table behind it is up to date.
    void setBeforeMessage(std::function<void()> hook) { beforeMessage_ = std::move(hook); }

    // Whether there is a sound device to play on; asked once, at the first sound.
    bool hasSoundDevice();

    // The player's switch: while it is off no sound plays, and switching it off silences the
    // one playing. Without one, sounds always play.
    void setSoundSwitch(SoundSwitch* soundSwitch);

    // The player closed the window under an open box: the box's answer ends the program.
    void endAfterAnswer() { endAfterAnswer_ = true; }

private:
    PictureCache pictures_;
    ClockRandom random_;
    QPointer<QWidget> dialogParent_;
    std::function<void()> beforeMessage_;
    std::unique_ptr<QSoundEffect> sound_;
    bool soundDeviceChecked_ = false;
    QPointer<SoundSwitch> soundSwitch_;
    bool endAfterAnswer_ = false;
};

} // namespace nablo
