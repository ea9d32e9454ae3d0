#pragma once
// "Laporan": the seven monthly reports of the "Hasil" menu in one child window. The
// main window sets ReportCode and has the open form produce that report; choosing a
// month or a year produces it again. At most one is open.
#include "reports/month_grid_form.h"

class QLabel;

namespace zelkor {

class ReportForm : public MonthGridForm {
    Q_OBJECT
  public:
    static constexpr char kWindowClass[] = "FORM_ZELKOR_FORM13_CLASS";

    // Opens on the current month and produces the report ReportCode names.
    explicit ReportForm(AppContext& ctx, QWidget* parent = nullptr);

    QString title() const;
    // The line under the title; empty for most reports.
    QString note() const;

  public slots:
    // The report ReportCode names, for the chosen month and year. Any other code
    // leaves the title and the grid as they are.
    void produce();

  protected:
    QString browserTitle() const override;
    void monthChosen() override { produce(); }

  private:
    void setTitle(const QString& text);

    QLabel* title_ = nullptr;
    QLabel* note_ = nullptr;
};

}  // namespace zelkor
