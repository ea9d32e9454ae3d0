#include "date_field.h"

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

}  // namespace zelkor
