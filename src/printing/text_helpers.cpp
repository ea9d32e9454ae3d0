#include "printing/text_helpers.h"

namespace zelkor {

QString Centre(const QString& s) {
    return CentredOn(14, s.left(28));
}

QString Dashes(int n) {
    return QString(qMax(n, 0), QLatin1Char('-'));
}

QString Equals(int n) {
    return QString(qMax(n, 0), QLatin1Char('='));
}

QString Pad(int n) {
    return QString(qMax(n, 0), QLatin1Char(' '));
}

QString Stars10(const QString& v) {
    return StarsTo(10, v);
}

QString StarsTo(int n, const QString& v) {
    return QString(qMax(n - int(v.size()), 0), QLatin1Char('*')) + v;
}

QString Two(const QString& v) {
    return (QStringLiteral("00") + v).right(2);
}

QString CentredOn(int half, const QString& s) {
    return Pad(half - int(s.size()) / 2) + s;
}

}  // namespace zelkor
