#pragma once
// The shape the report form and the history share: a toolbar with "Export Ke Excel"
// and "Cetak Ke Broswer", the month list with its year on the left and a grid that
// the chosen month fills on the right. A form declares what goes above the two
// (the report's title line) and what a month shows.
#include <QWidget>
#include <optional>

#include "reports/report_queries.h"
#include "ui/grid_data.h"

class QAction;
class QVBoxLayout;

namespace zelkor {

class AppContext;
class GridView;
class MonthList;

class MonthGridForm : public QWidget {
    Q_OBJECT
  public:
    ~MonthGridForm() override;

    GridData& grid() { return grid_; }
    GridView* view() const { return view_; }
    MonthList* months() const { return months_; }
    QAction* spreadsheetAction() const { return spreadsheetAction_; }
    QAction* browserAction() const { return browserAction_; }

    // The month and year shown (the last ones chosen).
    int year() const { return year_; }
    int month() const { return month_; }

  public slots:
    // The shown month read again (after a restore, for example).
    void load() { monthChosen(); }

    // "Export Ke Excel" and "Cetak Ke Broswer". Each returns the module's reply, or
    // nothing when the module could not be used (the operator has been told).
    std::optional<QString> exportToSpreadsheet();
    std::optional<QString> reportToBrowser();

  protected:
    MonthGridForm(AppContext& ctx, const char* windowClass, const QString& title, QWidget* parent);

    // Builds the toolbar, `above` (may be null) across the top, the month list
    // `listWidth` wide and the grid in `gridFont`. Then selects the current month
    // without counting it as a choice.
    void createControls(QWidget* above, int listWidth, const QFont& gridFont);

    // Empties the grid and fills it with the statement's rows, numbered.
    void fill(const ReportQuery& query);

    // The title the browser report carries.
    virtual QString browserTitle() const = 0;
    // The operator chose another month or year.
    virtual void monthChosen() = 0;

    AppContext& ctx_;
    GridData grid_;

  private:
    void createToolbar(QVBoxLayout* layout);

    GridView* view_ = nullptr;
    MonthList* months_ = nullptr;
    QAction* spreadsheetAction_ = nullptr;
    QAction* browserAction_ = nullptr;
    int year_ = 0;
    int month_ = 0;
};

}  // namespace zelkor
