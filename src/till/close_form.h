#pragma once
// "Tutup Kas": the current operator closes the till for a day. The form shows what
// the journal says this operator took in and paid out (lines no close covers yet),
// the operator counts the drawer by banknote and coin or types one total, and
// Simpan books the difference as a journal line of its own. The day's closes are
// listed below and can be printed.
#include <QDialog>
#include <vector>

#include "till/till_close.h"
#include "ui/grid_data.h"

class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zelkor {

class AppContext;
class GridView;

class TillCloseForm : public QDialog {
    Q_OBJECT
  public:
    enum CloseColumn { ColOps, ColJam, ColDicatat, ColDihitung, ColSelisih, ColRincian, ColCatatan, ColId };

    explicit TillCloseForm(AppContext& ctx, QWidget* parent = nullptr);

    const GridData& summary() const { return summaryGrid_; }
    const GridData& closes() const { return closesGrid_; }
    const CloseSummary& shown() const { return shown_; }

  public slots:
    void load();          // the chosen day
    void countChanged();  // a count per banknote or coin
    void totalChanged();  // the counted total
    void save();          // Simpan Tutup Kas
    void print();         // Cetak: the chosen close of the list, on the receipt printer
    void printA4();       // Cetak A4: the same through the browser

  private:
    void createControls();
    QString date() const;
    // The chosen close as label and value pairs: what it covered by kind, then the
    // journal's amount, the count and the difference. Empty when none is chosen.
    std::vector<std::pair<QString, QString>> closeDetails() const;

    AppContext& ctx_;
    CloseSummary shown_;
    GridData summaryGrid_, closesGrid_;
    QDateEdit* date_ = nullptr;
    GridView* summaryView_ = nullptr;
    GridView* closesView_ = nullptr;
    QLabel* expected_ = nullptr;
    std::vector<QLineEdit*> counts_;
    QLineEdit* counted_ = nullptr;
    QLabel* difference_ = nullptr;
    QLineEdit* note_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QPushButton* printA4Button_ = nullptr;
};

}  // namespace zelkor
