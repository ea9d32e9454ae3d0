#include "printing/qt_printers.h"

#include <cups/cups.h>

#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <cstring>

namespace zelkor {

namespace {

// Qt hands the finished job to the queue and keeps quiet when the queue turns it
// down, so ask the queue itself before the job and read CUPS's answer after it.
bool QueueAcceptsJobs(const QString& printer) {
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, printer.toLocal8Bit().constData(), nullptr);
    if (!dest) return true;  // not a CUPS queue we can ask; let the job tell
    const char* accepting = cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    const bool ok = !accepting || std::strcmp(accepting, "false") != 0;
    cupsFreeDests(1, dest);
    return ok;
}

class QtPrintContext : public PrintContext {
  public:
    QtPrintContext(QString printerName, int paperWidthMm)
        : printerName_(std::move(printerName)), paperWidthMm_(paperWidthMm) {}
    ~QtPrintContext() override { release(); }

    bool open() override {
        const QPrinterInfo info =
            printerName_.isEmpty() ? QPrinterInfo::defaultPrinter() : QPrinterInfo::printerInfo(printerName_);
        if (info.isNull()) return fail(QStringLiteral("Printer default tidak ditemukan."));
        if (!QueueAcceptsJobs(info.printerName()) || info.state() == QPrinter::Error)
            return fail(QStringLiteral("Printer ") + info.printerName() +
                        QStringLiteral(" tidak menerima pekerjaan cetak."));
        printer_ = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
        printer_->setOutputFormat(QPrinter::NativeFormat);
        printer_->setFullPage(false);  // positions are shares of the printable area
        // A receipt roll: the same lines, spread over its width instead of a page's.
        if (paperWidthMm_ > 0)
            printer_->setPageSize(QPageSize(QSizeF(paperWidthMm_, 297), QPageSize::Millimeter,
                                            QStringLiteral("Struk %1 mm").arg(paperWidthMm_),
                                            QPageSize::ExactMatch));
        if (!printer_->isValid())
            return fail(QStringLiteral("Printer ") + info.printerName() +
                        QStringLiteral(" tidak dapat dipakai."));
        return true;
    }

    bool startDoc(const QString& name) override {
        if (!printer_) return fail(QStringLiteral("Printer belum dibuka."));
        printer_->setDocName(name);
        if (!painter_.begin(printer_.get()))
            return fail(QStringLiteral("Printer ") + printer_->printerName() +
                        QStringLiteral(" menolak pekerjaan cetak."));
        return true;
    }

    bool startPage() override {
        if (!painter_.isActive()) return fail(QStringLiteral("Dokumen cetak belum dimulai."));
        // The first page comes with the document; later pages need a page break.
        if (pages_++ > 0 && !printer_->newPage()) return fail(QStringLiteral("Halaman baru gagal."));
        return true;
    }

    void setFont(const QString& face, int points) override {
        face_ = face;
        points_ = points;
    }

    bool printText(int x, int y, const QString& text) override {
        if (!painter_.isActive()) return fail(QStringLiteral("Dokumen cetak belum dimulai."));
        const double w = printer_->width(), h = printer_->height();
        const QPointF topLeft(qRound(x * w / 10000.0), qRound(y * h / 10000.0));
        QFont font(face_);
        // The point size at the printer's own resolution, as the character height.
        font.setPixelSize(qMax(1, qRound(points_ * printer_->logicalDpiY() / 72.0)));
        font.setWeight(QFont::Normal);
        // Receipts line up in columns: where no Courier (or its metric twin) is
        // installed, any fixed-pitch face is better than a proportional one.
        if (face_.contains(QStringLiteral("Courier"), Qt::CaseInsensitive)) {
            font.setStyleHint(QFont::TypeWriter);
            font.setFixedPitch(true);
        }
        font.setStyleStrategy(QFont::PreferAntialias);
        painter_.save();
        painter_.setFont(font);
        painter_.setPen(Qt::black);
        painter_.setBackgroundMode(Qt::TransparentMode);
        // drawText at a point draws one line, unclipped, from the baseline.
        const QFontMetricsF metrics(painter_.font(), printer_.get());
        painter_.drawText(topLeft + QPointF(0, metrics.ascent()), text);
        painter_.restore();
        return true;
    }

    bool endPage() override {
        return painter_.isActive() || fail(QStringLiteral("Dokumen cetak belum dimulai."));
    }

    bool endDoc() override {
        if (!painter_.isActive()) return fail(QStringLiteral("Dokumen cetak belum dimulai."));
        if (!painter_.end())
            return fail(QStringLiteral("Printer ") + printer_->printerName() +
                        QStringLiteral(" menolak pekerjaan cetak."));
        // The job has just been sent; CUPS keeps its answer for this thread.
        if (cupsLastError() >= IPP_STATUS_ERROR_BAD_REQUEST)
            return fail(QStringLiteral("Printer ") + printer_->printerName() +
                        QStringLiteral(" menolak pekerjaan cetak: ") +
                        QString::fromLocal8Bit(cupsLastErrorString()));
        return true;
    }

    void release() override {
        // A job left half-way is thrown away, never sent half-printed.
        if (painter_.isActive()) {
            printer_->abort();
            painter_.end();
        }
        printer_.reset();
    }

    QString lastError() const override { return error_; }

  private:
    bool fail(const QString& why) {
        error_ = why;
        return false;
    }

    QString printerName_;
    int paperWidthMm_ = 0;
    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
    QString face_ = QStringLiteral("Arial");
    int points_ = 12;
    int pages_ = 0;
    QString error_;
};

}  // namespace

std::unique_ptr<PrintContext> QtPrinters::create() {
    const Choice c = choose_ ? choose_() : Choice{printerName_};
    return std::make_unique<QtPrintContext>(c.name, c.paperWidthMm);
}

}  // namespace zelkor
