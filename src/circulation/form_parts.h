#pragma once
// Small helpers the circulation dialogs share to lay out their controls at the
// design positions (pixels at 96 dpi, scaled to the screen).
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QTimer>
#include <QValidator>
#include <initializer_list>

#include "core/money.h"
#include "ui/scaling.h"

namespace zelkor {

inline void PlaceAt(QWidget* form, QWidget* w, int x, int y, int width, int height) {
    w->setGeometry(Scaled(form, x), Scaled(form, y), Scaled(form, width), Scaled(form, height));
}

// A push button that Enter never presses (a scanner's Enter after a search text
// must not insert or close): a click or Space does.
inline QPushButton* MakeButton(QWidget* form, const QString& text, const char* name, int x, int y, int width,
                               int height) {
    auto* b = new QPushButton(text, form);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    b->setDefault(false);
    PlaceAt(form, b, x, y, width, height);
    return b;
}

// The numeric entry fields (days, amounts) accept digits only: a typed or pasted
// text with anything else in it is refused whole, never half taken.
class DigitsValidator final : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return DigitsOnly(input) == input ? Acceptable : Invalid;
    }
};

inline QValidator* DigitsOnlyValidator(QObject* owner) {
    return new DigitsValidator(owner);
}

// An amount field: digits only, at most 12 of them, so every amount typed can be
// added and booked without overflowing.
inline void MakeAmountEntry(QLineEdit* field) {
    field->setValidator(DigitsOnlyValidator(field));
    field->setMaxLength(kAmountDigits);
}

// Selects the whole text whenever the field gets the focus, by a click too, so that
// typing replaces a preset value ("3" days, the amount due) instead of adding to it.
class SelectAllOnFocus final : public QObject {
  public:
    explicit SelectAllOnFocus(QLineEdit* field) : QObject(field), field_(field) {
        field->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        // After the click that gave the focus has placed the cursor.
        if (watched == field_ && event->type() == QEvent::FocusIn)
            QTimer::singleShot(0, field_, [f = field_] {
                if (f->hasFocus()) f->selectAll();
            });
        return false;
    }

  private:
    QLineEdit* field_;
};

// Makes Tab visit `widgets` in this order (and Shift+Tab back).
inline void ChainTabOrder(std::initializer_list<QWidget*> widgets) {
    QWidget* previous = nullptr;
    for (QWidget* w : widgets) {
        if (previous) QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

// A value label's text is also its accessible name, so a screen reader says the
// value, not its caption; the caption is tied to it with setBuddy where there is one.
inline void ShowValue(QLabel* label, const QString& value) {
    label->setText(value);
    label->setAccessibleName(value);
}

inline QLineEdit* MakeField(QWidget* form, const char* name, const QString& accessibleName, int x, int y,
                            int width, int height) {
    auto* f = new QLineEdit(form);
    f->setObjectName(QLatin1String(name));
    f->setAccessibleName(accessibleName);
    PlaceAt(form, f, x, y, width, height);
    return f;
}

}  // namespace zelkor
