#include "reports/report_form.h"

#include <QLabel>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "ui/grid_view.h"
#include "ui/scaling.h"

namespace zelkor {

ReportForm::ReportForm(AppContext& ctx, QWidget* parent)
    : MonthGridForm(ctx, kWindowClass, QStringLiteral("Laporan"), parent) {
    resize(Scaled(this, 945), Scaled(this, 515));
    title_ = new QLabel(this);
    title_->setObjectName(QStringLiteral("title"));
    title_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    title_->setFont(FontFromText(QStringLiteral("Arial Unicode MS,12,1")));
    title_->setMinimumHeight(Scaled(this, 23));
    title_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("note"));
    note_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    note_->setFont(FontFromText(QStringLiteral("Arial Unicode MS,9,0")));
    note_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    note_->hide();
    auto* heading = new QWidget(this);
    auto* lines = new QVBoxLayout(heading);
    lines->setContentsMargins(0, 0, 0, 0);
    lines->setSpacing(0);
    lines->addWidget(title_);
    lines->addWidget(note_);
    setTitle(QStringLiteral("Laporan"));
    createControls(heading, 166, FontFromText(QStringLiteral("Arial Unicode MS,9,0")));
    view()->setAccessibleName(QStringLiteral("Laporan"));
    produce();
}

QString ReportForm::title() const {
    return title_->text();
}

QString ReportForm::note() const {
    return note_->text();
}

QString ReportForm::browserTitle() const {
    return note().isEmpty() ? title() : title() + QStringLiteral(" - ") + note();
}

void ReportForm::setTitle(const QString& text) {
    title_->setText(text);
    title_->setAccessibleName(text);
}

void ReportForm::produce() {
    const ReportDefinition* report = FindReport(ctx_.reportCode);
    if (!report) return;
    setTitle(ReportTitle(*report, year(), month()));
    note_->setText(report->note ? QString::fromUtf8(report->note) : QString());
    note_->setAccessibleName(note_->text());
    note_->setVisible(report->note != nullptr);
    // Rebuilt every time, so widths the operator changed return to the report's own.
    grid_.clear();
    grid_.setColumns(report->columns);
    view()->applyColumnWidths();
    fill(ReportStatement(*report, year(), month()));
}

}  // namespace zelkor
