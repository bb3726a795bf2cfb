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
// refresh() is called; Esc or its Close button closes it.
class StatsWindow : public QDialog {
    Q_OBJECT
public:
    StatsWindow(const RunStatistics& statistics, const Form1& form, QWidget* parent = nullptr);

    void refresh();

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
};

} // namespace nablo
