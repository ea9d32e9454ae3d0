#include "printing/print_runner.h"

#include "app/app_context.h"

namespace zelkor {

namespace {

bool RunJob(PrintContext& pc, const PrintLayout& layout) {
    if (!pc.open() || !pc.startDoc(QStringLiteral("Untitled")) || !pc.startPage()) return false;
    pc.setFont(layout.face, layout.points);
    for (const PrintLine& line : layout.lines)
        if (!pc.printText(line.x, line.y, line.text)) return false;
    return pc.endPage() && pc.endDoc();
}

}  // namespace

bool PrintLayoutJob(Printers& printers, const PrintLayout& layout, QString* why) {
    std::unique_ptr<PrintContext> pc = printers.create();
    const bool ok = RunJob(*pc, layout);
    if (!ok && why) *why = pc->lastError();
    pc->release();
    return ok;
}

QString PrintFailedText(const QString& why) {
    QString text =
        QStringLiteral("Gagal mencetak, printer default tidak ditemukan atau menolak pekerjaan cetak..");
    if (!why.isEmpty()) text += QLatin1Char('\n') + why;
    return text;
}

bool PrintLayouts(AppContext& ctx, const std::vector<PrintLayout>& layouts) {
    for (const PrintLayout& layout : layouts) {
        QString why;
        if (!PrintLayoutJob(ctx.printers(), layout, &why)) {
            ctx.messages().info(PrintFailedText(why), QStringLiteral("Info"));
            return false;
        }
    }
    return true;
}

}  // namespace zelkor
