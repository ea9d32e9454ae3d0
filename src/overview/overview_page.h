#pragma once
// "Ringkasan", the start page in the main window's background: the day's figures,
// what is out now, and twelve months in three charts. Each figure opens the list
// it counts (the main window does the opening). It reads the library again on F5
// and whenever the library has changed since it last read it.
#include <QWidget>
#include <cstdint>

class QLabel;
class QToolButton;

namespace zelkor {

class AppContext;
class MonthList;
class OverviewCharts;

class OverviewPage : public QWidget {
    Q_OBJECT
  public:
    enum Figure {
        Loans,
        Returns,
        Rentals,
        Visits,
        CashIn,
        CashOut,
        Balance,
        ItemsOut,
        Late,
        MembersOwing,
        FigureCount
    };
    // The list behind a figure.
    enum class List { TodayHistory, MonthReturns, NotReturned, TodayJournal, None };
    static List ListOf(Figure f);

    explicit OverviewPage(AppContext& ctx, QWidget* parent = nullptr);

    QToolButton* figure(Figure f) const { return figures_[f]; }
    OverviewCharts* charts() const { return charts_; }
    MonthList* months() const { return months_; }

  public slots:
    // Everything read again (F5, a restore, another library).
    void refresh();
    // Reads again only when the library changed since the last reading (a desk
    // save, a journal line, an import, another program on the same file). True when
    // it did.
    bool refreshIfChanged();

  signals:
    void listRequested(OverviewPage::List list);

  private:
    void createControls();
    QWidget* createFigures(const QString& title, Figure first, Figure last, QLabel** heading);
    void showFigures();
    void showCharts();
    void setFigure(Figure f, std::int64_t value);
    QString today() const;

    AppContext& ctx_;
    QToolButton* figures_[FigureCount] = {};
    QLabel* dayHeading_ = nullptr;
    MonthList* months_ = nullptr;
    OverviewCharts* charts_ = nullptr;
    std::uint64_t version_ = 0;
};

}  // namespace zelkor
