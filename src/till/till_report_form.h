#pragma once
// The till's two reports in one child window: "Laporan Tanggungan" (debts open at a
// date, by member, with their age) and "Laporan Penerimaan Harian" (the journal per
// day and operator, with the closes and their differences). Both export like every
// list ("Export Ke Excel", "Cetak Ke Broswer").
#include <QWidget>

#include "ui/grid_data.h"

class QDateEdit;
class QLabel;

namespace zelkor {

class AppContext;
class GridView;

class TillReportForm : public QWidget {
    Q_OBJECT
  public:
    enum class Kind { Debts, DailyTakings };

    TillReportForm(AppContext& ctx, Kind kind, QWidget* parent = nullptr);

    const GridData& grid() const { return grid_; }
    QString title() const;

  public slots:
    void load();  // Tampilkan, and on opening
    void exportToSpreadsheet();
    void reportToBrowser();

  private:
    void createControls();

    AppContext& ctx_;
    Kind kind_;
    GridData grid_;
    QDateEdit* from_ = nullptr;  // Penerimaan Harian only
    QDateEdit* to_ = nullptr;    // "Per tanggal" for Tanggungan
    QLabel* total_ = nullptr;
};

}  // namespace zelkor
