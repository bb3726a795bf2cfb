#include "modalbox.h"

#include "app/datafolder.h"
#include "app/dialogstyle.h"
#include "app/display.h"
#include "app/qtplatform.h"
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
void recordMessage(QtMsgType, const QMessageLogContext&, const QString& text) { printed.append(text); }

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
    out << quint32(16) << quint16(1) << quint16(1) << quint32(8000) << quint32(16000)
        << quint16(2) << quint16(16);
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
        QCOMPARE(missing, QString("Cannot load picture \"cards\\d3.jpg\" (cards/d3.jpg): File not found"));
        const QString broken = failure("cards\\d2.jpg");
        QVERIFY2(broken.startsWith("Cannot load picture \"cards\\d2.jpg\" (cards/d2.jpg): ") &&
                     !broken.endsWith(": "),
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

    void questionBoxAnswersYesFirstAndNoOnEscapeOrN()
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

        answerNextBox([](QMessageBox&) {}, Qt::Key_Escape);
        QCOMPARE(platform.showMessage(question), Answer::No);
        answerNextBox([](QMessageBox&) {}, Qt::Key_N);
        QCOMPARE(platform.showMessage(question), Answer::No);
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

    void dataFolderIsFoundInOrder()
    {
        QTemporaryDir root;
        QDir dir(root.path());
        QVERIFY(dir.mkpath("work") && dir.mkpath("prefix/bin") && dir.mkpath("prefix/share/nablo/cards"));
        const QString work = root.filePath("work");
        const QString exe = root.filePath("prefix/bin");

        QCOMPARE(findDataFolder(work, exe), root.filePath("prefix/share/nablo"));
        QVERIFY(dir.mkpath("prefix/bin/cards"));
        QCOMPARE(findDataFolder(work, exe), exe);
        QVERIFY(dir.mkpath("work/cards"));
        QCOMPARE(findDataFolder(work, exe), work);
        QCOMPARE(findDataFolder(root.filePath("prefix"), root.filePath("prefix")), QString());
    }

    void windowSystemIsCheckedBeforeQt()
    {
        QVERIFY(!windowSystemReachable(nullptr, nullptr, nullptr));
        QVERIFY(!windowSystemReachable("", "", ""));
        QVERIFY(!windowSystemReachable("xcb", nullptr, nullptr));
        QVERIFY(!windowSystemReachable("wayland-egl", nullptr, ""));
        QVERIFY(windowSystemReachable(nullptr, ":0", nullptr));
        QVERIFY(windowSystemReachable(nullptr, nullptr, "wayland-0"));
        QVERIFY(windowSystemReachable("offscreen", nullptr, nullptr));
    }

private:
    QTemporaryDir folder;
};

QTEST_MAIN(QtPlatformTest)
#include "qtplatform_test.moc"
