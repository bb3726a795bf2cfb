#include "modalbox.h"

#include "app/buttonwidget.h"
#include "app/captionfont.h"
#include "app/game.h"
#include "app/labelwidget.h"
#include "app/picturewidget.h"
#include "table/errors.h"

#include <QDir>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <map>

using namespace nablo;

namespace {
QColor qColor(Rgb colour) { return QColor(colour.r, colour.g, colour.b); }
QString qString(std::string_view text) { return QString::fromUtf8(text.data(), text.size()); }

// Every widget shows what its control holds, where the design places it.
void compareWithModel(Game& game)
{
    TableView& view = game.view();
    for (const Control& control : game.form().controls()) {
        const ControlDesign& design = control.design();
        QWidget* widget = view.widget(control.name());
        QVERIFY2(widget, design.name.data());
        QCOMPARE(widget->objectName(), qString(design.name));
        QCOMPARE(widget->parentWidget(), &view);
        QCOMPARE(widget->geometry(),
                 QRect(design.left / 15, design.top / 15, design.width / 15, design.height / 15));
        QCOMPARE(widget->isEnabled(), control.enabled());
        const QString caption = QString::fromStdString(control.caption());
        const QString picture = QString::fromStdString(control.picture());
        if (auto* label = qobject_cast<LabelWidget*>(widget)) {
            QCOMPARE(label->caption(), caption);
            QCOMPARE(label->foreColor(), qColor(control.foreColor()));
            QCOMPARE(label->backColor(), qColor(control.backColor()));
            QCOMPARE(label->isTransparent(), design.transparent);
            QCOMPARE(label->hasBorder(), design.border);
        } else if (auto* button = qobject_cast<ButtonWidget*>(widget)) {
            QCOMPARE(button->text(), caption);
            QCOMPARE(button->backColor(), qColor(control.backColor()));
            QCOMPARE(button->picturePath(), picture);
            QCOMPARE(button->picture().isNull(), picture.isEmpty());
        } else if (auto* image = qobject_cast<PictureWidget*>(widget)) {
            QCOMPARE(image->picturePath(), picture);
            QCOMPARE(image->picture().isNull(), picture.isEmpty());
        } else {
            QFAIL("a control without a widget of its kind");
        }
    }
}

std::map<std::string, std::uint32_t> revisions(const Form1& form)
{
    std::map<std::string, std::uint32_t> result;
    for (const Control& control : form.controls())
        result[std::string(control.name())] = control.revision();
    return result;
}

QAbstractButton* button(Game& game, std::string_view name)
{
    return qobject_cast<QAbstractButton*>(game.view().widget(name));
}

LabelWidget* label(Game& game, std::string_view name)
{
    return qobject_cast<LabelWidget*>(game.view().widget(name));
}
} // namespace

class TableViewTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        installCaptionFace();
        // Card pictures of the shape the game's are (242 x 370), one colour per card.
        QVERIFY(data.isValid());
        QVERIFY(QDir(data.path()).mkdir("cards"));
        for (const char suit : {'d', 's', 'h', 'c'}) {
            for (int rank = 1; rank <= 13; ++rank) {
                QImage card(242, 370, QImage::Format_RGB32);
                card.fill(QColor::fromHsv(rank * 20, 200, 200));
                const QString file = data.filePath(QString("cards/%1%2.jpg").arg(suit).arg(rank));
                QVERIFY(card.save(file));
            }
        }
        QVERIFY(QDir::setCurrent(data.path()));
    }

    void windowAfterLoadShowsTheModel()
    {
        Game game;
        QVERIFY(!game.load());
        compareWithModel(game);
        if (QTest::currentTestFailed())
            return;

        TableView& view = game.view();
        QCOMPARE(view.size(), QSize(678, 488));
        QCOMPARE(view.minimumSize(), view.maximumSize());
        QCOMPARE(view.windowTitle(), QString("NABLO ver0.9"));
        QVERIFY(!(view.windowFlags() & Qt::WindowMaximizeButtonHint));

        // Later controls lie on top of earlier ones: the children are in the design's order, and
        // the trainer's word lies on top of them all.
        QStringList stacking;
        for (QObject* child : view.children()) {
            if (child->isWidgetType())
                stacking.append(child->objectName());
        }
        QStringList design;
        for (const Control& control : game.form().controls())
            design.append(qString(control.name()));
        design.append({"trainerNote", "announcement"});
        QCOMPARE(stacking, design);

        // Captions are bold, in pixels: 24 pt is 32 px.
        QCOMPARE(button(game, "BET")->font().pixelSize(), 32);
        QVERIFY(button(game, "BET")->font().bold());
        QCOMPARE(label(game, "CPAY1")->font().pixelSize(), 12);
    }

    void captionsWrapAndFitTheirBoxes()
    {
        Game game;
        QVERIFY(!game.load());
        LabelWidget* counter = label(game, "Label10");
        QStringList lines;
        for (const QString& line : counter->lines())
            lines.append(line.trimmed());
        QCOMPARE(lines, QStringList({"NUMBER OF", "SUCCEEDED", "CARDS"}));

        // No caption of the reset table is cut off at the side of its box: rank letters "A" and
        // "10" only fit when narrowed.
        for (const Control& control : game.form().controls()) {
            auto* shown = qobject_cast<LabelWidget*>(game.view().widget(control.name()));
            if (!shown)
                continue;
            const int width = shown->textRect().width();
            for (const QString& line : shown->lines()) {
                const QFont font = fittedCaptionFont(shown->font(), line, width);
                QVERIFY2(QFontMetrics(font).horizontalAdvance(line) <= width,
                         qPrintable(shown->objectName() + ": " + line));
            }
        }
    }

    void disabledButtonTakesNoClick()
    {
        Game game;
        QVERIFY(!game.load());
        game.view().show();
        QVERIFY(QTest::qWaitForWindowExposed(&game.view()));
        const auto before = revisions(game.form());

        QTest::mouseClick(button(game, "START"), Qt::LeftButton);
        game.view().clickControl("START");

        QCOMPARE(revisions(game.form()), before);
        QVERIFY(!button(game, "START")->isEnabled());
        QCOMPARE(label(game, "COINS")->caption(), QString("100"));
    }

    void betClickShowsTheStake()
    {
        Game game;
        QVERIFY(!game.load());
        game.view().show();
        QVERIFY(QTest::qWaitForWindowExposed(&game.view()));

        QTest::mouseClick(button(game, "BET"), Qt::LeftButton);

        QCOMPARE(label(game, "COINS")->caption(), QString("99"));
        auto* start = qobject_cast<ButtonWidget*>(button(game, "START"));
        QVERIFY(start->isEnabled());
        QCOMPARE(start->backColor(), QColor(255, 255, 0));
        compareWithModel(game);
    }

    void startDealsCardsOntoTheButtons()
    {
        Game game;
        QVERIFY(!game.load());
        game.view().show();
        QVERIFY(QTest::qWaitForWindowExposed(&game.view()));

        QTest::mouseClick(button(game, "BET"), Qt::LeftButton);
        QTest::mouseClick(button(game, "START"), Qt::LeftButton);

        for (const char* name : {"CARD1", "CARD2", "CARD3", "CARD4", "CARD5"}) {
            auto* card = qobject_cast<ButtonWidget*>(button(game, name));
            QVERIFY2(card->picturePath().startsWith("cards\\"), name);
            QCOMPARE(card->picture().size(), QSize(242, 370));
            QVERIFY(card->isEnabled());
        }
        QVERIFY(!button(game, "BET")->isEnabled());
        compareWithModel(game);
        QVERIFY(!game.view().exitStatus());
    }

    void tableIsCurrentWhenABoxOpens()
    {
        Game game;
        QVERIFY(!game.load());
        QString coinsShown;
        QWidget* boxParent = nullptr;
        answerNextBox(
            [&](QMessageBox& box) {
                coinsShown = label(game, "COINS")->caption();
                boxParent = box.parentWidget();
            },
            Qt::Key_Return);

        Answer answer = Answer::No;
        game.view().runEvent([&] {
            game.form().COINS().setCaption("42");
            answer = game.platform().showMessage(
                {"title", "text", MessageButtons::YesNo, MessageIcon::Question});
        });

        QCOMPARE(coinsShown, QString("42"));
        QCOMPARE(boxParent, &game.view());
        QCOMPARE(answer, Answer::Yes);
    }

    void programEndStopsTheGame()
    {
        Game game;
        QVERIFY(!game.load());
        QSignalSpy finished(&game.view(), &TableView::finished);

        game.view().runEvent([&] {
            game.form().COINS().setCaption("7");
            endProgram();
        });

        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.front().front().toInt(), 0);
        QCOMPARE(game.view().exitStatus(), std::optional<int>(0));
        QCOMPARE(label(game, "COINS")->caption(), QString("7"));

        // Nothing runs once the game has stopped.
        game.view().clickControl("BET");
        QCOMPARE(game.form().COINS().caption(), std::string("7"));
        QCOMPARE(finished.count(), 1);
    }

    void missingPictureIsReportedThenStops()
    {
        // A folder without card pictures: dealing fails on the first card.
        QTemporaryDir empty;
        const QString home = QDir::currentPath();
        QVERIFY(QDir::setCurrent(empty.path()));

        Game game;
        QVERIFY(!game.load());
        QSignalSpy finished(&game.view(), &TableView::finished);
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        answerNextBox(
            [&](QMessageBox& box) {
                title = box.windowTitle();
                text = box.text();
                icon = box.icon();
            },
            Qt::Key_Return);

        game.view().clickControl("BET");
        game.view().clickControl("START");
        QDir::setCurrent(home);

        QCOMPARE(title, QString("NABLO ver0.9"));
        QCOMPARE(icon, QMessageBox::Critical);
        QVERIFY2(text.contains("cards\\") && text.contains("File not found"), qPrintable(text));
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.front().front().toInt(), 1);
        game.view().clickControl("CARD1");
        QCOMPARE(finished.count(), 1);
    }

private:
    QTemporaryDir data;
};

QTEST_MAIN(TableViewTest)
#include "tableview_test.moc"
