#include "reports/history_form.h"

#include <QFont>

#include "ui/grid_view.h"
#include "ui/scaling.h"

namespace zelkor {

HistoryForm::HistoryForm(AppContext& ctx, QWidget* parent)
    : MonthGridForm(ctx, kWindowClass, QStringLiteral("HISTORY TRANSAKSI"), parent) {
    resize(Scaled(this, 844), Scaled(this, 516));
    grid_.setColumns(HistoryColumns());
    QFont gridFont(QStringLiteral("Arial"));
    gridFont.setPixelSize(Scaled(this, 12));
    createControls(nullptr, 200, gridFont);
    view()->setAccessibleName(QStringLiteral("HISTORY TRANSAKSI"));
    view()->applyColumnWidths();
    produce();
}

void HistoryForm::produce() {
    setWindowTitle(QStringLiteral("HISTORY TRANSAKSI"));
    fill(HistoryStatement(year(), month()));
}

void HistoryForm::showDay(const QString& day) {
    setWindowTitle(QStringLiteral("HISTORY TRANSAKSI ") + day);
    fill(HistoryDayStatement(day));
}

}  // namespace zelkor
