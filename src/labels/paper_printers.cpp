#include "labels/paper_printers.h"

#include <QDir>
#include <QFile>

#include "app/config_files.h"

namespace zelkor {

QString PaperPrintersPath(const QString& settingsDir) {
    return QDir(settingsDir).filePath(QStringLiteral("printer.txt"));
}

PaperPrinters ReadPaperPrinters(const QString& settingsDir) {
    PaperPrinters p;
    QFile f(PaperPrintersPath(settingsDir));
    if (!f.open(QIODevice::ReadOnly)) return p;
    const QStringList fields = QString::fromUtf8(f.readAll()).trimmed().split(QLatin1Char(';'));
    p.receipt = fields.value(0).trimmed();
    const int width = fields.value(1).trimmed().toInt();
    p.receiptWidthMm = width == 58 || width == 80 ? width : 0;
    p.sheets = fields.value(2).trimmed();
    return p;
}

bool WritePaperPrinters(const QString& settingsDir, const PaperPrinters& p, QString* error) {
    return WriteLineFile(
        PaperPrintersPath(settingsDir),
        p.receipt + QLatin1Char(';') + QString::number(p.receiptWidthMm) + QLatin1Char(';') + p.sheets,
        error);
}

}  // namespace zelkor
