#pragma once
// "HISTORY TRANSAKSI": the movements of the transaction desk one month at a time,
// with the item and member names looked up. It changes nothing.
#include "reports/month_grid_form.h"

namespace zelkor {

class HistoryForm : public MonthGridForm {
    Q_OBJECT
  public:
    static constexpr char kWindowClass[] = "FORM_ZELKOR_FORM10_CLASS";

    // Opens on the current month and lists it.
    explicit HistoryForm(AppContext& ctx, QWidget* parent = nullptr);

  public slots:
    // The movements of the chosen month and year.
    void produce();
    // Only the movements recorded on one day ("yyyy-mm-dd"), until another month is chosen.
    void showDay(const QString& day);

  protected:
    QString browserTitle() const override { return QString::fromLatin1(kHistoryTitle); }
    void monthChosen() override { produce(); }
};

}  // namespace zelkor
