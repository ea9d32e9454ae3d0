#include "ui/month_list.h"

#include <QLabel>
#include <QListWidget>
#include <QSpinBox>
#include <QVBoxLayout>

namespace zelkor {

namespace {
const char* const kMonths[12] = {"Januari", "Februari", "Maret",     "April",   "Mei",      "Juni",
                                 "Juli",    "Agustus",  "September", "Oktober", "Nopember", "Desember"};
}

QString MonthName(int month) {
    return month >= 1 && month <= 12 ? QString::fromLatin1(kMonths[month - 1]) : QString();
}

QString MonthPrefix(int year, int month) {
    return QStringLiteral("%1-%2").arg(year, 4, 10, QLatin1Char('0')).arg(month, 2, 10, QLatin1Char('0'));
}

MonthList::MonthList(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    auto* row = new QHBoxLayout;
    auto* caption = new QLabel(QStringLiteral("&Tahun"), this);
    year_ = new QSpinBox(this);
    year_->setObjectName(QStringLiteral("yearBox"));
    year_->setRange(1900, 9999);
    year_->setAccessibleName(QStringLiteral("Tahun"));
    caption->setBuddy(year_);
    row->addWidget(caption);
    row->addWidget(year_, 1);
    layout->addLayout(row);

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("monthList"));
    list_->setAccessibleName(QStringLiteral("Bulan"));
    list_->setFrameShadow(QFrame::Sunken);
    list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    for (int m = 1; m <= 12; ++m) {
        auto* item = new QListWidgetItem(MonthName(m), list_);
        item->setData(Qt::UserRole, m);
    }
    layout->addWidget(list_, 1);

    // On the selection, not the current row: a click makes the row current before it
    // selects it, and a month is read from the selected entry.
    connect(list_, &QListWidget::itemSelectionChanged, this, [this] { announce(); });
    connect(year_, &QSpinBox::valueChanged, this, [this] { announce(); });
}

void MonthList::selectQuietly(int year, int month) {
    quiet_ = true;
    year_->setValue(year);
    list_->setCurrentRow(month >= 1 && month <= 12 ? month - 1 : -1);
    quiet_ = false;
}

int MonthList::month() const {
    const QListWidgetItem* item = list_->currentItem();
    return item && item->isSelected() ? item->data(Qt::UserRole).toInt() : 0;
}

int MonthList::year() const {
    return year_->value();
}

void MonthList::announce() {
    if (quiet_ || month() == 0) return;
    emit changed(year(), month());
}

}  // namespace zelkor
