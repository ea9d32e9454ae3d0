#include "program/welcome_window.h"

#include <QPalette>
#include <QPixmap>

namespace zelkor {

WelcomeWindow::WelcomeWindow(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FORM_ZELKOR_FORM1_CLASS"));
    setWindowTitle(QStringLiteral("Welcome"));
    QPalette pal = palette();
    pal.setBrush(QPalette::Window,
                 QBrush(QPixmap(QStringLiteral(":/IMAGE_BACKG"))));  // a brush tiles its pixmap
    setPalette(pal);
    setAutoFillBackground(true);
}

}  // namespace zelkor
