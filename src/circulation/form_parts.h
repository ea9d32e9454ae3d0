#pragma once
// Small helpers the circulation dialogs share to lay out their controls at the
// design positions (pixels at 96 dpi, scaled to the screen).
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QString>
#include <initializer_list>

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

// The numeric entry fields (days, amounts) accept digits only.
inline QValidator* DigitsOnlyValidator(QObject* owner) {
    return new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), owner);
}

// Makes Tab visit `widgets` in this order (and Shift+Tab back).
inline void ChainTabOrder(std::initializer_list<QWidget*> widgets) {
    QWidget* previous = nullptr;
    for (QWidget* w : widgets) {
        if (previous) QWidget::setTabOrder(previous, w);
        previous = w;
    }
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
