#include "labels/sheet_document.h"

#include <cups/cups.h>

#include <QPageLayout>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QWidget>
#include <memory>

namespace zelkor {

namespace {

bool Fail(QString* why, const QString& text) {
    if (why) *why = text;
    return false;
}

// A4 on the whole sheet: label positions are measured from the paper's corner.
void SetUpA4(QPrinter& printer, const SheetDocument& doc) {
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    printer.setFullPage(true);
    printer.setDocName(doc.name);
    if (doc.duplex) printer.setDuplex(QPrinter::DuplexLongSide);
}

}  // namespace

bool PaintSheets(QPrinter& printer, const SheetDocument& doc, QString* why) {
    QPainter painter;
    if (!painter.begin(&printer))
        return Fail(why, QStringLiteral("Printer ") + printer.printerName() +
                             QStringLiteral(" menolak pekerjaan cetak."));
    painter.setRenderHint(QPainter::Antialiasing, false);  // bars edge to edge, no grey seams
    const MmScale mm(printer.resolution());
    for (int page = 0; page < doc.pages; ++page) {
        if (page > 0 && !printer.newPage()) {
            printer.abort();
            return Fail(why, QStringLiteral("Halaman baru gagal."));
        }
        doc.paintPage(painter, mm, page);
    }
    if (!painter.end())
        return Fail(why, QStringLiteral("Printer ") + printer.printerName() +
                             QStringLiteral(" menolak pekerjaan cetak."));
    // Qt keeps quiet when CUPS turns the finished job down; CUPS keeps the answer.
    if (printer.outputFormat() == QPrinter::NativeFormat && cupsLastError() >= IPP_STATUS_ERROR_BAD_REQUEST)
        return Fail(why, QStringLiteral("Printer ") + printer.printerName() +
                             QStringLiteral(" menolak pekerjaan cetak: ") +
                             QString::fromLocal8Bit(cupsLastErrorString()));
    return true;
}

bool DirectSheetOutput::print(const SheetDocument& doc, QString* why) {
    const QPrinterInfo info =
        printerName_.isEmpty() ? QPrinterInfo::defaultPrinter() : QPrinterInfo::printerInfo(printerName_);
    if (info.isNull()) return Fail(why, QStringLiteral("Printer tidak ditemukan."));
    QPrinter printer(info, QPrinter::HighResolution);
    SetUpA4(printer, doc);
    return PaintSheets(printer, doc, why);
}

bool PreviewSheetOutput::print(const SheetDocument& doc, QString* why) {
    const QPrinterInfo info =
        printerName_.isEmpty() ? QPrinterInfo::defaultPrinter() : QPrinterInfo::printerInfo(printerName_);
    auto printer = info.isNull() ? std::make_unique<QPrinter>(QPrinter::HighResolution)
                                 : std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    SetUpA4(*printer, doc);
    QPrintPreviewDialog dialog(printer.get(), parent_);
    dialog.setWindowTitle(QStringLiteral("Pratinjau Cetak - ") + doc.name);
    // Large enough to read a label's text before the sheet is spent.
    if (const QScreen* screen = parent_ ? parent_->screen() : nullptr)
        dialog.resize(screen->availableGeometry().size() * 0.85);
    bool ok = true;
    QString failure;
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&](QPrinter* p) { ok = PaintSheets(*p, doc, &failure); });
    if (dialog.exec() != QDialog::Accepted) return Fail(why, QString());
    return ok || Fail(why, failure);
}

}  // namespace zelkor
