#include "app/statswindow.h"

#include "advice/runstatistics.h"
#include "session/statisticswords.h"
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

QString text(const std::string& words) { return QString::fromStdString(words); }

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
    : QDialog(parent), statistics_(statistics), form_(form)
{
    const StatisticsWords words = statisticsWords();
    setObjectName(QStringLiteral("statistics"));
    setWindowTitle(text(words.title));
    setAccessibleName(windowTitle());

    auto* figures = new QGroupBox(text(words.figures));
    auto* form1 = new QFormLayout(figures);
    for (const StatisticsRow& row : statisticsRows(statistics, form))
        figures_.push_back(addFigure(form1, text(row.label)));

    auto* charts = new QVBoxLayout;
    charts->addWidget(creditsView_ = creditsChart());
    charts->addWidget(tiersView_ = tiersChart());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->button(QDialogButtonBox::Close)->setAccessibleName(text(words.close));
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
    const StatisticsWords words = statisticsWords();
    gameAxis_->setTitleText(text(words.gameAxis));
    gameAxis_->setLabelFormat(QStringLiteral("%d"));
    creditAxis_ = new QValueAxis;
    creditAxis_->setTitleText(text(words.creditsAxis));
    creditAxis_->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(gameAxis_, Qt::AlignBottom);
    chart->addAxis(creditAxis_, Qt::AlignLeft);
    credits_->attachAxis(gameAxis_);
    credits_->attachAxis(creditAxis_);
    return chartView(chart, text(words.creditsChart));
}

QChartView* StatsWindow::tiersChart()
{
    const StatisticsWords words = statisticsWords();
    auto* chart = new QChart;
    tierGames_ = new QBarSet(text(words.gamesAxis));
    auto* series = new QBarSeries;
    series->append(tierGames_);
    series->setLabelsVisible(true);
    chart->addSeries(series);
    auto* rows = new QBarCategoryAxis;
    for (const TierBar& bar : tierBars(statistics_, form_))
        rows->append(text(bar.name));
    rows->setTitleText(text(words.tiersAxis));
    QFont small = rows->labelsFont();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    rows->setLabelsFont(small);
    tierCountAxis_ = new QValueAxis;
    tierCountAxis_->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(rows, Qt::AlignBottom);
    chart->addAxis(tierCountAxis_, Qt::AlignLeft);
    series->attachAxis(rows);
    series->attachAxis(tierCountAxis_);
    return chartView(chart, text(words.tiersChart));
}

void StatsWindow::refresh()
{
    const RunStatistics& s = statistics_;
    const std::vector<StatisticsRow> rows = statisticsRows(s, form_);
    for (std::size_t i = 0; i < rows.size() && i < figures_.size(); ++i)
        showFigure(figures_[i], text(rows[i].value));

    QList<QPointF> points;
    double low = 0;
    double high = std::max(10.0, s.startingCredits());
    const std::vector<double>& after = s.creditsAfterGames();
    // The line starts at the credits the run began with, as game 0.
    if (!after.empty())
        points << QPointF(0, s.startingCredits());
    for (std::size_t game = 0; game < after.size(); ++game) {
        points << QPointF(static_cast<double>(game + 1), after[game]);
        low = game == 0 ? after[game] : std::min(low, after[game]);
        high = std::max(high, after[game]);
    }
    credits_->replace(points);
    tickRound(gameAxis_, 0, std::max<double>(1, static_cast<double>(after.size())), 10);
    tickRound(creditAxis_, std::min(0.0, low), high * 1.05, 8);
    creditsView_->setAccessibleDescription(text(creditsInWords(s)));

    long long most = 1;
    tierGames_->remove(0, tierGames_->count());
    const std::vector<TierBar> bars = tierBars(s, form_);
    for (const TierBar& bar : bars) {
        tierGames_->append(static_cast<double>(bar.games));
        most = std::max(most, bar.games);
    }
    tickRound(tierCountAxis_, 0, static_cast<double>(most), 5);
    tiersView_->setAccessibleDescription(text(tiersInWords(bars)));
}

} // namespace nablo
