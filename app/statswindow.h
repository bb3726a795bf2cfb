#pragma once

#include <QDialog>

#include <vector>

class QBarSet;
class QBarCategoryAxis;
class QChartView;
class QFormLayout;
class QLabel;
class QLineSeries;
class QValueAxis;

namespace nablo {

class Form1;
class RunStatistics;

// The statistics of this run in a window of their own: the figures, a chart of the credits after
// each game and a bar chart of the tier rows reached. It shows the figures as they are whenever
// refresh() is called, painted and in each figure's accessible description; Esc or its Close
// button closes it.
class StatsWindow : public QDialog {
    Q_OBJECT
public:
    StatsWindow(const RunStatistics& statistics, const Form1& form, QWidget* parent = nullptr);

    void refresh();

    // Where a window of this size (frame included) stands beside the table's window: right of it,
    // or else left of it, within the screen's available area. Where neither side has room, it
    // stands against the screen's edge on the roomier side, over as little of the table as it can.
    static QPoint besideWindow(const QRect& window, const QSize& size, const QRect& available);

protected:
    // Opens beside the table, so that both stay in view as far as the screen has room.
    void showEvent(QShowEvent* event) override;

private:
    QLabel* addFigure(QFormLayout* layout, const QString& name);
    QChartView* creditsChart();
    QChartView* tiersChart();

    const RunStatistics& statistics_;
    const Form1& form_;
    // The figures' values, in the order of the session's rows.
    std::vector<QLabel*> figures_;
    QChartView* creditsView_ = nullptr;
    QLineSeries* credits_ = nullptr;
    QValueAxis* gameAxis_ = nullptr;
    QValueAxis* creditAxis_ = nullptr;
    QChartView* tiersView_ = nullptr;
    QBarSet* tierGames_ = nullptr;
    QValueAxis* tierCountAxis_ = nullptr;
    bool placed_ = false;
};

} // namespace nablo
