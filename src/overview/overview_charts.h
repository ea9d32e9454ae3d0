#pragma once
// The start page's three pictures of twelve months: loans and returns, visits,
// cash in and out, each a bar chart, and the same numbers as a table for whoever
// cannot read a picture (Ctrl+T switches between them). The chart that last had
// the focus can be saved as PNG or printed.
#include <QWidget>
#include <vector>

#include "overview/overview_queries.h"
#include "ui/grid_data.h"

class QStackedWidget;
class QBarSet;
class QBarCategoryAxis;
class QValueAxis;
class QChartView;

namespace zelkor {

class AppContext;
class GridView;

class OverviewCharts : public QWidget {
    Q_OBJECT
  public:
    enum Chart { Movements, Visits, Cash, ChartCount };

    // The keys (Ctrl+S, Ctrl+P, Ctrl+T) work wherever the focus is inside `keyScope`.
    OverviewCharts(AppContext& ctx, QWidget* keyScope, QWidget* parent);

    // Shows the months (oldest first) in the charts and the table.
    void show(const std::vector<MonthFigures>& months);

    QChartView* chart(Chart c) const { return views_[c]; }
    // The values of one bar set of a chart, as drawn.
    std::vector<double> values(Chart c, int set) const;
    const GridData& table() const { return table_; }
    bool showingTable() const;

  public slots:
    void toggleTable();  // "Tabel"
    bool savePicture();  // "Simpan PNG": the current chart
    void print();        // "Cetak": the current chart

  private:
    QChartView* createChart(Chart c, const QString& title, const QStringList& sets);
    void fillTable(const std::vector<MonthFigures>& months);

    AppContext& ctx_;
    QStackedWidget* stack_ = nullptr;
    QChartView* views_[ChartCount] = {};
    std::vector<QBarSet*> sets_[ChartCount];
    QBarCategoryAxis* months_[ChartCount] = {};
    QValueAxis* amounts_[ChartCount] = {};
    Chart current_ = Movements;
    GridData table_;
    GridView* tableView_ = nullptr;
};

// "Mar 16": a month on the charts' axis.
QString ShortMonth(int year, int month);

}  // namespace zelkor
