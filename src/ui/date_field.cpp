#include "ui/date_field.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace zelkor {

DateField::DateField(const QDate& date, QWidget* parent) : QDateEdit(date, parent) {
    setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    setCalendarPopup(true);
}

void DateField::keyPressEvent(QKeyEvent* event) {
    // A part entered just now is wholly selected: nothing has been typed into it yet,
    // so the separator belongs to the part before, which is already done.
    if (event->text() == QLatin1String("-") && lineEdit()->hasSelectedText() &&
        lineEdit()->selectedText() == sectionText(currentSection())) {
        event->accept();
        return;
    }
    QDateEdit::keyPressEvent(event);
}

bool DateField::event(QEvent* event) {
    // The picker's own Tab walks its parts; "-" still does (keyPressEvent).
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if (plain && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)) {
            QWidget::focusNextPrevChild(key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier));
            return true;
        }
    }
    return QDateEdit::event(event);
}

}  // namespace zelkor
