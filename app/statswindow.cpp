#include "app/statswindow.h"

#include "advice/statistics.h"
#include "table/form.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace nablo {

namespace {

QString designCaption(const Form1& form, const std::string& name)
{
    const std::string_view caption = form.find(name)->design().caption;
    return QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
}

QString credits(double value)
{
    return QString::number(value, 'f', value == std::floor(value) ? 0 : 2);
}

// A chart that says what it shows to a screen reader, and takes the focus so that one can
// reach it with Tab.
QChartView* chartView(QChart* chart, const QString& name)
{
    auto* view = new QChartView(chart);
    view->setRenderHint(QPainter::Antialiasing);
    view->setAccessibleName(name);
    view->setFocusPolicy(Qt::StrongFocus);
    view->setMinimumSize(560, 230);
    chart->setTitle(name);
    chart->legend()->hide();
    chart->setMargins(QMargins(4, 4, 4, 4));
    return view;
}

// The step of an axis over span with at most `most` steps: a whole, round number (1, 2, 5, 10,
// 20, 50, ...), so that every tick reads as a whole number.
double roundStep(double span, int most)
{
    for (double power = 1;; power *= 10)
        for (const double step : {power, 2 * power, 5 * power})
            if (span / step <= most)
                return step;
}

// Ticks every step from a multiple of it, over [low, high] widened to multiples of step.
void tickRound(QValueAxis* axis, double low, double high, int most)
{
    const double step = roundStep(high - low, most);
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    axis->setTickInterval(step);
    axis->setRange(std::floor(low / step) * step, std::max(step, std::ceil(high / step) * step));
}

void showFigure(QLabel* label, const QString& value)
{
    label->setText(value);
    label->setAccessibleDescription(value);
}

} // namespace

QPoint StatsWindow::besideWindow(const QRect& window, const QSize& size, const QRect& available)
{
    constexpr int gap = 8;
    const int top = std::clamp(window.top(), available.top(),
                               std::max(available.top(), available.bottom() + 1 - size.height()));
    const int roomRight = available.right() - window.right();
    const int roomLeft = window.left() - available.left();
    if (roomRight >= size.width() + gap)
        return {window.right() + 1 + gap, top};
    if (roomLeft >= size.width() + gap)
        return {window.left() - gap - size.width(), top};
    // Against the edge of the roomier side, over as little of the table as can be.
    if (roomRight >= roomLeft)
        return {std::max(available.left(), available.right() + 1 - size.width()), top};
    return {available.left(), top};
}

void StatsWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    QWidget* table = parentWidget();
    if (placed_ || !table || !table->isVisible() || !table->screen())
        return;
    placed_ = true;
    // The statistics' frame is not known before they are shown: the table's frame stands for it.
    const QSize frame = table->frameGeometry().size() - table->size();
    move(
        besideWindow(table->frameGeometry(), size() + frame, table->screen()->availableGeometry()));
}

StatsWindow::StatsWindow(const RunStatistics& statistics, const Form1& form, QWidget* parent)
    : QDialog(parent), statistics_(statistics)
{
    setObjectName(QStringLiteral("statistics"));
    setWindowTitle(tr("Statistics of this run"));
    setAccessibleName(windowTitle());

    auto* figures = new QGroupBox(tr("This run"));
    auto* form1 = new QFormLayout(figures);
    games_ = addFigure(form1, tr("Games played"));
    staked_ = addFigure(form1, tr("Credits staked"));
    paid_ = addFigure(form1, tr("Credits paid back"));
    return_ = addFigure(form1, tr("Your return (paid ÷ staked)"));
    best_ = addFigure(form1, tr("Best game (credits)"));
    for (int row = 1; row <= 5; ++row)
        hits_[static_cast<std::size_t>(row - 1)] = addFigure(
            form1, tr("%1 hits").arg(designCaption(form, "Label1" + std::to_string(row + 1))));
    judged_ = addFigure(form1, tr("Placements judged by the trainer"));
    matched_ = addFigure(form1, tr("… that matched the advisor"));
    givenUp_ = addFigure(form1, tr("Expected credits given up"));

    auto* charts = new QVBoxLayout;
    charts->addWidget(creditsView_ = creditsChart());
    charts->addWidget(tiersView_ = tiersChart(form));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->button(QDialogButtonBox::Close)->setAccessibleName(tr("Close"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* columns = new QHBoxLayout;
    columns->addWidget(figures);
    columns->addLayout(charts, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttons);
    buttons->button(QDialogButtonBox::Close)->setFocus();
    refresh();
}

QLabel* StatsWindow::addFigure(QFormLayout* layout, const QString& name)
{
    auto* value = new QLabel;
    value->setAccessibleName(name);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    value->setFocusPolicy(Qt::StrongFocus);
    layout->addRow(name, value);
    return value;
}

QChartView* StatsWindow::creditsChart()
{
    auto* chart = new QChart;
    credits_ = new QLineSeries;
    credits_->setPointsVisible(true);
    chart->addSeries(credits_);
    gameAxis_ = new QValueAxis;
    gameAxis_->setTitleText(tr("game"));
    gameAxis_->setLabelFormat(QStringLiteral("%d"));
    creditAxis_ = new QValueAxis;
    creditAxis_->setTitleText(tr("credits"));
    creditAxis_->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(gameAxis_, Qt::AlignBottom);
    chart->addAxis(creditAxis_, Qt::AlignLeft);
    credits_->attachAxis(gameAxis_);
    credits_->attachAxis(creditAxis_);
    return chartView(chart, tr("Credits after each game"));
}

QChartView* StatsWindow::tiersChart(const Form1& form)
{
    // From the fewest cards to the most: the bottom row of the pay table first.
    // The rows' own names, short enough to stand under their bars.
    tierNames_ << QStringLiteral("0-9");
    for (int row = 7; row >= 1; --row) {
        const std::string label = row == 7 ? "Label9" : "Label" + std::to_string(row + 1);
        tierNames_ << designCaption(form, label).remove(QStringLiteral(" CARDS"));
    }
    auto* chart = new QChart;
    tierGames_ = new QBarSet(tr("games"));
    auto* series = new QBarSeries;
    series->append(tierGames_);
    series->setLabelsVisible(true);
    chart->addSeries(series);
    auto* rows = new QBarCategoryAxis;
    rows->append(tierNames_);
    rows->setTitleText(tr("cards placed"));
    QFont small = rows->labelsFont();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    rows->setLabelsFont(small);
    tierCountAxis_ = new QValueAxis;
    tierCountAxis_->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(rows, Qt::AlignBottom);
    chart->addAxis(tierCountAxis_, Qt::AlignLeft);
    series->attachAxis(rows);
    series->attachAxis(tierCountAxis_);
    return chartView(chart, tr("Games by the tier row reached"));
}

void StatsWindow::refresh()
{
    const RunStatistics& s = statistics_;
    showFigure(games_, QString::number(s.games()));
    showFigure(staked_, credits(s.staked()));
    showFigure(paid_, credits(s.paid()));
    showFigure(return_, std::isnan(s.playerReturn()) ? QStringLiteral("–")
                                                     : QString::number(s.playerReturn(), 'f', 2));
    showFigure(best_, credits(s.bestPay()));
    for (std::size_t row = 1; row <= 5; ++row)
        showFigure(hits_[row - 1], QString::number(s.hits()[row]));
    showFigure(judged_, QString::number(s.judged()));
    showFigure(matched_, QString::number(s.matched()));
    showFigure(givenUp_, QString::number(s.givenUp(), 'f', 1));

    QList<QPointF> points;
    QStringList spoken;
    double low = 0;
    double high = std::max(10.0, s.startingCredits());
    const std::vector<double>& after = s.creditsAfterGames();
    // The line starts at the credits the run began with, as game 0.
    if (!after.empty())
        points << QPointF(0, s.startingCredits());
    for (std::size_t game = 0; game < after.size(); ++game) {
        points << QPointF(static_cast<double>(game + 1), after[game]);
        spoken << credits(after[game]);
        low = game == 0 ? after[game] : std::min(low, after[game]);
        high = std::max(high, after[game]);
    }
    credits_->replace(points);
    tickRound(gameAxis_, 0, std::max<double>(1, static_cast<double>(after.size())), 10);
    tickRound(creditAxis_, std::min(0.0, low), high * 1.05, 8);
    creditsView_->setAccessibleDescription(spoken.isEmpty() ? tr("no game yet")
                                                            : spoken.join(QStringLiteral(", ")));

    QStringList tierWords;
    long long most = 1;
    tierGames_->remove(0, tierGames_->count());
    for (int row = 0; row <= 7; ++row) {
        // Row 0 is "under 10"; the others run from the bottom row 7 up to row 1.
        const long long count = s.tierGames()[static_cast<std::size_t>(row == 0 ? 0 : 8 - row)];
        tierGames_->append(static_cast<double>(count));
        most = std::max(most, count);
        tierWords << tierNames_[row] + QStringLiteral(": ") + QString::number(count);
    }
    tickRound(tierCountAxis_, 0, static_cast<double>(most), 5);
    tiersView_->setAccessibleDescription(tierWords.join(QStringLiteral(", ")));
}

} // namespace nablo
