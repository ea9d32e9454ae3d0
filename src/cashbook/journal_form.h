#pragma once
// "Jurnal Kas": the cash book one month at a time, every line with its running
// balance. From here the operator books income and expense by hand, looks at a
// line, deletes one, and hands the month to the browser or the spreadsheet.
#include <QWidget>
#include <functional>

#include "cashbook/entry_rules.h"
#include "ui/grid_data.h"

class QAction;
class QToolBar;

namespace zelkor {

class AppContext;
class GridView;
class MonthList;
struct SavedLine;

class JournalForm : public QWidget {
    Q_OBJECT
  public:
    enum Column {
        ColNo,
        ColId,
        ColTanggal,
        ColKategori,
        ColUraian,
        ColMasuk,
        ColKeluar,
        ColSaldo,
        ColOperator,
        ColumnCount
    };
    static constexpr char kWindowClass[] = "FORM_ZELKOR_FORM15_CLASS";

    explicit JournalForm(AppContext& ctx, QWidget* parent = nullptr);
    ~JournalForm() override;

    const GridData& grid() const { return grid_; }
    GridView* view() const { return view_; }
    MonthList* months() const { return months_; }
    int shownYear() const { return year_; }
    int shownMonth() const { return month_; }

    // How an entry form is shown; the program runs it modally (exec). Tests may
    // drive it some other way.
    using EntryRunner = std::function<void(QDialog&)>;
    void setEntryRunner(EntryRunner run) { runEntry_ = std::move(run); }

  public slots:
    void newIncome();          // "Jurnal Kas Masuk"
    void newExpense();         // "Jurnal Kas Keluar"
    void viewLine();           // a click on a line, or Enter
    void deleteLine();         // "Hapus Item Data Jurnal"
    void exportSpreadsheet();  // "Export Ke Excel"
    void reportToBrowser();    // "Cetak Ke Broswer"
    void chooseMonth(int year, int month);
    // The shown month read again (after a restore, for example).
    void load();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createColumns();
    void createControls();
    QToolBar* createToolbar();
    void list(int year, int month);
    void openEntry(EntrySide side, int followFlag);
    void lineSaved(const SavedLine& line);

    AppContext& ctx_;
    GridData grid_;
    GridView* view_ = nullptr;
    MonthList* months_ = nullptr;
    EntryRunner runEntry_;
    int year_ = 0;
    int month_ = 0;
    bool balanceLine_ = false;  // the grid shows "Saldo yang lalu", no journal line
    int pressedMonthRow_ = -1;  // the month list's row before a click
};

}  // namespace zelkor
