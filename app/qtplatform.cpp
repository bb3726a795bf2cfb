#include "app/qtplatform.h"

#include "table/errors.h"

#include "app/gamepath.h"
#include "app/messagebox.h"

#include <QApplication>
#include <QAudioDevice>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace nablo {

namespace {
void discardMessage(QtMsgType, const QMessageLogContext&, const QString&) {}
} // namespace

QtPlatform::QtPlatform()
{
    // A machine without sound is normal for this game; Qt's multimedia would report it on
    // every start.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.multimedia*=false"));
}

QtPlatform::~QtPlatform() = default;

bool QtPlatform::hasSoundDevice()
{
    if (!soundDeviceChecked_) {
        soundDeviceChecked_ = true;
        // Looking for devices connects to the sound server, and the failure to connect is
        // printed as an uncategorised warning; nothing else is printed meanwhile.
        const QtMessageHandler previous = qInstallMessageHandler(discardMessage);
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        qInstallMessageHandler(previous);
        // Without a device a sound effect never finishes playing, so none is made at all.
        if (!device.isNull())
            sound_ = std::make_unique<QSoundEffect>(device);
    }
    return sound_ != nullptr;
}

void QtPlatform::setSoundSwitch(SoundSwitch* soundSwitch)
{
    if (soundSwitch_)
        QObject::disconnect(soundSwitch_, nullptr, nullptr, nullptr);
    soundSwitch_ = soundSwitch;
    if (!soundSwitch_)
        return;
    // The switch dies with the window, before the platform: the connection never outlives this.
    QObject::connect(soundSwitch_, &SoundSwitch::switched, soundSwitch_, [this](bool muted) {
        if (muted && sound_)
            sound_->stop();
    });
}

void QtPlatform::playSound(const std::string& path)
{
    if (soundSwitch_ && soundSwitch_->isMuted())
        return;
    const QFileInfo file(localFilePath(path));
    if (!file.isFile() || !file.isReadable()) {
        // A new sound call ends the one still playing, even when its own file is missing.
        if (sound_)
            sound_->stop();
        QApplication::beep();
        return;
    }
    if (!hasSoundDevice())
        return;
    const QUrl source = QUrl::fromLocalFile(file.absoluteFilePath());
    sound_->stop();
    if (sound_->source() != source)
        sound_->setSource(source);
    sound_->play();
}

void QtPlatform::loadPicture(const std::string& path) { pictures_.load(path); }

Answer QtPlatform::showMessage(const MessageBox& box)
{
    if (beforeMessage_)
        beforeMessage_();
    const int result = GameMessageBox::ask(box, dialogParent_);
    if (endAfterAnswer_)
        endProgram();
    if (box.buttons != MessageButtons::YesNo)
        return Answer::OK;
    return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

} // namespace nablo
