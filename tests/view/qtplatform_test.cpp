#include "modalbox.h"

#include "app/datafolder.h"
#include "app/dialogstyle.h"
#include "app/display.h"
#include "app/gamepath.h"
#include "app/qtplatform.h"
#include "app/translation.h"
#include "deck/cards.h"
#include "game/messages.h"
#include "table/errors.h"

#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace nablo;

namespace {
QStringList printed;
void recordMessage(QtMsgType, const QMessageLogContext&, const QString& text)
{
    printed.append(text);
}

// A twentieth of a second of silence: 8 kHz, mono, 16 bits.
bool writeSilence(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const quint32 dataSize = 800;
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + dataSize);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(8000) << quint32(16000) << quint16(2)
        << quint16(16);
    out.writeRawData("data", 4);
    out << dataSize;
    out.writeRawData(QByteArray(dataSize, '\0').constData(), dataSize);
    return out.status() == QDataStream::Ok;
}
} // namespace

class QtPlatformTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QApplication::setStyle(new DialogStyle);
        QVERIFY(folder.isValid());
        QVERIFY(QDir(folder.path()).mkpath("cards"));
        QVERIFY(QDir(folder.path()).mkpath("wav"));
        QImage card(242, 370, QImage::Format_RGB32);
        card.fill(Qt::darkGreen);
        QVERIFY(card.save(folder.filePath("cards/d1.jpg")));
        QFile broken(folder.filePath("cards/d2.jpg"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("not a picture");
        broken.close();
        QVERIFY(writeSilence(folder.filePath("wav/bet.wav")));
        QVERIFY(QDir::setCurrent(folder.path()));
    }

    void unreadablePictureNamesFileAndReason()
    {
        QtPlatform platform;
        auto failure = [&](const std::string& path) -> QString {
            try {
                platform.loadPicture(path);
            } catch (const RunTimeError& error) {
                return QString::fromUtf8(error.what());
            }
            return {};
        };
        const QString missing = failure("cards\\d3.jpg");
        QCOMPARE(missing,
                 QString("Cannot load picture \"cards\\d3.jpg\" (cards/d3.jpg): File not found"));
        const QString broken = failure("cards\\d2.jpg");
        QVERIFY2(broken.startsWith("Cannot load picture \"cards\\d2.jpg\" (cards/d2.jpg): ")
                     && !broken.endsWith(": "),
                 qPrintable(broken));
        // Nothing is kept of a picture that failed: loading it again fails again.
        QCOMPARE(failure("cards\\d2.jpg"), broken);
    }

    void soundsNeverFailNorPrintNorBlock()
    {
        QtPlatform platform;
        printed.clear();
        const QtMessageHandler previous = qInstallMessageHandler(recordMessage);
        QElapsedTimer clock;
        clock.start();
        platform.playSound("wav\\bet.wav");
        platform.playSound("wav\\bet.wav");
        platform.playSound("wav\\missing.wav");
        QTest::qWait(100);
        qInstallMessageHandler(previous);
        QVERIFY2(clock.elapsed() < 2000, "playing a sound blocked");
        QVERIFY2(printed.isEmpty(), qPrintable(printed.join('\n')));
    }

    void questionBoxAnswersOnlyYesOrNo()
    {
        QtPlatform platform;
        int hookRuns = 0;
        platform.setBeforeMessage([&] { ++hookRuns; });
        const MessageBox question{"ゲームオーバー", "line one\r\nline two", MessageButtons::YesNo,
                                  MessageIcon::Question};

        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        bool yesIsDefault = false;
        bool yesComesFirst = false;
        answerNextBox(
            [&](QMessageBox& box) {
                text = box.text();
                icon = box.icon();
                QAbstractButton* yes = box.button(QMessageBox::Yes);
                QAbstractButton* no = box.button(QMessageBox::No);
                yesIsDefault = box.defaultButton() == yes;
                yesComesFirst = yes && no && yes->x() < no->x();
                QCOMPARE(box.buttons().size(), 2);
            },
            Qt::Key_Return);
        QCOMPARE(platform.showMessage(question), Answer::Yes);
        QCOMPARE(hookRuns, 1);
        QCOMPARE(text, QString("line one\nline two"));
        QCOMPARE(icon, QMessageBox::Question);
        QVERIFY(yesIsDefault);
        QVERIFY(yesComesFirst);

        // Esc leaves the question open; only an answer closes it.
        bool stayedOpen = false;
        answerNextBox(
            [&](QMessageBox& box) {
                QTest::keyClick(&box, Qt::Key_Escape);
                stayedOpen = box.isVisible();
            },
            Qt::Key_N);
        QCOMPARE(platform.showMessage(question), Answer::No);
        QVERIFY(stayedOpen);
        answerNextBox([](QMessageBox&) {}, Qt::Key_Y);
        QCOMPARE(platform.showMessage(question), Answer::Yes);
    }

    void okBoxAnswersOk()
    {
        QtPlatform platform;
        const MessageBox notice{"終了", "bye", MessageButtons::OK, MessageIcon::Error};
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        answerNextBox([&](QMessageBox& box) { icon = box.icon(); }, Qt::Key_Escape);
        QCOMPARE(platform.showMessage(notice), Answer::OK);
        QCOMPARE(icon, QMessageBox::Critical);
    }

    void dataFolderIsChosenByItsContents()
    {
        QTemporaryDir root;
        QDir dir(root.path());
        const auto fill = [&](const QString& folder, int pictures) {
            QVERIFY(dir.mkpath(folder + "/cards") && dir.mkpath(folder + "/wav"));
            for (std::int16_t code = 1; code <= pictures; ++code) {
                QFile picture(root.filePath(folder + "/" + localFilePath(CA(code))));
                QVERIFY(picture.open(QIODevice::WriteOnly));
            }
        };
        const QString work = root.filePath("work");
        const QString exe = root.filePath("prefix/games");
        QVERIFY(dir.mkpath("work/cards") && dir.mkpath("prefix/games"));

        QCOMPARE(findDataFolder(work, exe), QString());
        fill("prefix/share/games/nablo", 52);
        QCOMPARE(findDataFolder(work, exe), root.filePath("prefix/share/games/nablo"));
        // A stray or incomplete cards/ in the working directory does not win.
        fill("work", 51);
        QCOMPARE(findDataFolder(work, exe), root.filePath("prefix/share/games/nablo"));
        fill("prefix/games", 52);
        QCOMPARE(findDataFolder(work, exe), exe);
        fill("work", 52);
        QCOMPARE(findDataFolder(work, exe), work);
        QVERIFY(QDir(work).rmdir("wav"));
        QCOMPARE(findDataFolder(work, exe), exe);
        // Without any sounds folder the pictures alone decide: the game plays, beeping.
        QVERIFY(QDir(exe).rmdir("wav") && dir.rmpath("prefix/share/games/nablo/wav"));
        QCOMPARE(findDataFolder(work, exe), work);
    }

    void displayIsOpenedBeforeQt()
    {
        static bool xAnswers = false;
        static bool waylandAnswers = false;
        const auto choose = [](const char* platform, const char* display, const char* wayland,
                               const char* session = nullptr) {
            return chooseDisplay({platform, display, wayland, session, nullptr,
                                  [](const char*) { return xAnswers; },
                                  [] { return waylandAnswers; }});
        };
        QCOMPARE(choose(nullptr, nullptr, nullptr).state, DisplayState::Unset);
        QCOMPARE(choose("xcb", "", "").state, DisplayState::Unset);
        QCOMPARE(choose(nullptr, ":9", "wayland-9").state, DisplayState::Unreachable);
        QCOMPARE(choose("offscreen", nullptr, nullptr).platform, std::string("offscreen"));
        QCOMPARE(choose("nosuch;xcb", ":9", nullptr).platform, std::string("nosuch;xcb"));
        xAnswers = true;
        QCOMPARE(choose(nullptr, ":0", "wayland-9").platform, std::string("xcb"));
        QCOMPARE(choose("wayland", ":0", "wayland-9").state, DisplayState::Unreachable);
        waylandAnswers = true;
        QCOMPARE(choose(nullptr, ":0", "wayland-0").platform, std::string("wayland"));
        QCOMPARE(choose(nullptr, ":0", "wayland-0", "x11").platform, std::string("xcb"));
        QCOMPARE(choose("wayland-egl;xcb", nullptr, "wayland-0").platform,
                 std::string("wayland-egl"));
    }

    // Last: the Japanese translation stays installed.
    void endBoxTranslationIsInThePlayersLanguageOnly()
    {
        QtPlatform platform;
        for (const bool japanese : {false, true}) {
            if (japanese) {
                QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
                installTranslation();
            }
            QString text;
            QString translation;
            QString description;
            answerNextBox(
                [&](QMessageBox& box) {
                    text = box.text();
                    translation = box.informativeText();
                    description = box.accessibleDescription();
                },
                Qt::Key_Y);
            QCOMPARE(platform.showMessage(gameOverBox(5)), Answer::Yes);
            QCOMPARE(text, QString("これ以上置くことは出来ません。\n5クレジットの支払い\n"
                                   "ゲームを続けますか？"));
            QCOMPARE(translation, japanese ? QString()
                                           : QString("No card can be placed. 5 credits paid. "
                                                     "Play on?"));
            QCOMPARE(description, translation);
        }
    }

private:
    QTemporaryDir folder;
};

QTEST_MAIN(QtPlatformTest)
#include "qtplatform_test.moc"
