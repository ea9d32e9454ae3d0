#include "pick_list.h"

#include <QComboBox>
#include <QLineEdit>

#include "app/app_context.h"
#include "db/row_sinks.h"

namespace zelkor {

PickList::PickList(QComboBox* list, QLineEdit* field, QObject* parent)
    : QObject(parent), list_(list), field_(field) {
    connect(list_, &QComboBox::activated, this, &PickList::picked);
}

QString PickList::text() const {
    return field_->text();
}

void PickList::load(AppContext& ctx, const QString& sql) {
    list_->clear();
    ctx.run(sql, {}, AddComboItem(*list_));
    list_->addItem(kAddItem);
    list_->setCurrentIndex(-1);
}

void PickList::show(const QString& value) {
    field_->setText(value);
    // The last entry is "Add Item", never a stored value.
    const int values = list_->count() - 1;
    int index = -1;
    for (int i = 0; i < values && index < 0; ++i)
        if (list_->itemText(i).compare(value, Qt::CaseInsensitive) == 0) index = i;
    for (int i = 0; i < values && index < 0 && !value.isEmpty(); ++i)
        if (list_->itemText(i).startsWith(value, Qt::CaseInsensitive)) index = i;
    list_->setCurrentIndex(index);
}

void PickList::clear() {
    list_->setCurrentIndex(-1);
    field_->clear();
}

void PickList::remember(const QString& saved) {
    if (saved.isEmpty()) return;
    const int values = list_->count() - 1;
    int index = 0;
    while (index < values && list_->itemText(index) != saved) ++index;
    if (index == values) list_->insertItem(values, saved);
    if (field_->text() == saved) list_->setCurrentIndex(index);
}

void PickList::picked(int index) {
    if (index == list_->count() - 1) {
        field_->clear();
        field_->setFocus();
    } else {
        field_->setText(list_->itemText(index));
    }
}

}  // namespace zelkor
