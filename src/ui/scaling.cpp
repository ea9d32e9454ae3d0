#include "ui/scaling.h"

#include <QFont>
#include <QStringList>
#include <QWidget>
#include <cmath>

namespace zelkor {

int Scaled(const QWidget* widget, int pixels96) {
    const int dpi = widget ? widget->logicalDpiY() : 96;
    return static_cast<int>(std::lround(pixels96 * (dpi > 0 ? dpi : 96) / 96.0));
}

QFont FontFromText(const QString& text) {
    const QStringList parts = text.split(',');
    QFont font;
    // "Arial Unicode MS" is seldom installed; Arial (Liberation Sans on Linux)
    // has the same metrics, so the forms keep their widths.
    const QString face = parts.value(0);
    QStringList families{face};
    if (face.startsWith(QLatin1String("Arial")) && face != QLatin1String("Arial"))
        families << QStringLiteral("Arial");
    families << QStringLiteral("Liberation Sans");
    font.setFamilies(families);
    bool ok = false;
    const int size = parts.value(1).toInt(&ok);
    if (ok && size > 0)
        font.setPointSize(size);
    else if (ok && size < 0)
        font.setPixelSize(-size);
    font.setBold(parts.value(2).trimmed() == QLatin1String("1"));
    return font;
}

}  // namespace zelkor
