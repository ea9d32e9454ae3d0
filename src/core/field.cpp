#include "core/field.h"

#include <QFile>
#include <QTextStream>

namespace zelkor {

QString Field(const QString& text, QChar delimiter, int n) {
    if (n < 1) return text;
    const QStringList parts = text.split(delimiter);
    if (parts.size() < n) return text;
    return parts.at(n - 1);
}

QString ReadLastLine(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    QTextStream in(&file);
    QString line;
    while (!in.atEnd()) line = in.readLine();
    return line;
}

}  // namespace zelkor
