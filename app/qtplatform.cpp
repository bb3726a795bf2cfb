#include "app/qtplatform.h"

#include "table/errors.h"

#include "app/gamepath.h"

#include <QAbstractButton>
#include <QApplication>
#include <QAudioDevice>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QMediaDevices>
#include <QKeySequence>
#include <QMessageBox>
#include <QSoundEffect>
#include <QUrl>

#include <utility>

namespace nablo {

namespace {
void discardMessage(QtMsgType, const QMessageLogContext&, const QString&) {}

QMessageBox::Icon toQt(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Error:
        break;
    }
    return QMessageBox::Critical;
}
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
    if (!file.isFile()) {
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

void QtPlatform::gameEnded(const GameOutcome& outcome)
{
    if (gameEnded_)
        gameEnded_(outcome);
}

Answer QtPlatform::showMessage(const MessageBox& box)
{
    if (beforeMessage_)
        beforeMessage_();

    QString text = QString::fromStdString(box.text);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const bool yesNo = box.buttons == MessageButtons::YesNo;
    QMessageBox dialog(toQt(box.icon), QString::fromStdString(box.title), text,
                       yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                       dialogParent_);
    // Closing a question box answers No.
    dialog.setDefaultButton(yesNo ? QMessageBox::Yes : QMessageBox::Ok);
    dialog.setEscapeButton(yesNo ? QMessageBox::No : QMessageBox::Ok);
    // Y and N answer a question; a desktop whose button texts carry no mnemonic gets them too.
    if (yesNo) {
        for (const auto& [which, key] : {std::pair{QMessageBox::Yes, Qt::Key_Y},
                                         std::pair{QMessageBox::No, Qt::Key_N}}) {
            QAbstractButton* button = dialog.button(which);
            if (button->shortcut().isEmpty())
                button->setShortcut(QKeySequence(key));
        }
    }
    const int result = dialog.exec();
    if (endAfterAnswer_)
        endProgram();
    if (!yesNo)
        return Answer::OK;
    return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

} // namespace nablo
