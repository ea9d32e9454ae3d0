#include "lost_item_report.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QStringList>

#include "app/app_context.h"
#include "collection/entry_messages.h"
#include "db/row_sinks.h"

namespace zelkor {

namespace {

const QString kStampFormat = QStringLiteral("yyyyMMddHHmmss");

std::optional<std::int64_t> CountValue(const QString& count) {
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,%1}$").arg(kCountDigits));
    if (!digits.match(count).hasMatch()) return std::nullopt;
    const std::int64_t n = count.toLongLong();
    return n > 0 ? std::optional(n) : std::nullopt;
}

// The time-stamp code of now, or the first second after it that no report has.
std::optional<QString> FreeReportCode(AppContext& ctx) {
    QString code = ctx.timeStamp();
    QDateTime at = QDateTime::fromString(code, kStampFormat);
    for (int tries = 0; tries < 3600; ++tries) {
        QString taken;
        if (!ctx.run(QStringLiteral("Select count(*) From ItemHilang WHERE Id=?"), {code},
                     StoreScalar(taken)))
            return std::nullopt;
        // A code that is no time stamp (no date of the day yet) is tried as it is:
        // the key of ItemHilang then refuses a second one.
        if (taken.toLongLong() == 0 || !at.isValid()) return code;
        at = at.addSecs(1);
        code = at.toString(kStampFormat);
    }
    return code;
}

}  // namespace

std::optional<std::int64_t> StockValue(const QString& stored) {
    static const QRegularExpression whole(QStringLiteral("^(-?[0-9]{1,15})(\\.0*)?$"));
    const QString text = stored.trimmed();
    if (text.isEmpty()) return 0;
    const QRegularExpressionMatch m = whole.match(text);
    if (!m.hasMatch()) return std::nullopt;
    return m.captured(1).toLongLong();
}

std::optional<QString> RecordLoss(AppContext& ctx, const LossReport& report) {
    if (report.item.isEmpty() || report.count.isEmpty() || report.reporter.isEmpty()) {
        ctx.messages().info(kLossMissing, entry::kCaption);
        return std::nullopt;
    }
    const std::optional<std::int64_t> count = CountValue(report.count);
    if (!count) {
        ctx.messages().info(kLossBadCount, entry::kCaption);
        return std::nullopt;
    }

    // The report and the stock are one action: both are written or neither.
    Transaction tx(ctx.db());
    if (!tx.active()) {
        ctx.sqlError(tx.beginResult().error);
        return std::nullopt;
    }
    QStringList stocks;
    if (!ctx.run(QStringLiteral("select JmlStock from ItemPerpus where Id=?"), {report.item},
                 [&](const DbRow& row) { stocks << row.text(0); }))
        return std::nullopt;
    if (stocks.size() != 1) {
        ctx.messages().info(stocks.isEmpty() ? entry::kNotFound : entry::kSeveral, entry::kCaption);
        return std::nullopt;
    }
    const std::optional<std::int64_t> stock = StockValue(stocks.front());
    if (!stock) {
        ctx.messages().info(kLossStockNotNumber, entry::kCaption);
        return std::nullopt;
    }
    const std::optional<QString> code = FreeReportCode(ctx);
    if (!code) return std::nullopt;
    if (!ctx.run(
            QStringLiteral("Insert Into ItemHilang (Id, Tgl, IdItemPerpus, Jumlah, Pelapor, Keterangan, Ops) "
                           "Values(?,?,?,?,?,?,?)"),
            {*code, report.date, report.item, report.count, report.reporter, report.remark,
             ctx.currentOperator}))
        return std::nullopt;
    // Both numbers are bounded (15 and 12 digits): the difference cannot overflow.
    const QString left = QString::number(*stock - *count);
    const DbResult update =
        ctx.db().exec(QStringLiteral("Update ItemPerpus Set JmlStock=? where Id=?"), {left, report.item});
    if (!update.ok) {
        ctx.sqlError(update.error);
        return std::nullopt;
    }
    if (update.changes != 1) {
        ctx.messages().info(update.changes == 0 ? entry::kNotFound : entry::kSeveral, entry::kCaption);
        return std::nullopt;
    }
    if (const DbResult done = tx.commit(); !done.ok) {
        ctx.sqlError(done.error);
        return std::nullopt;
    }
    return left;
}

}  // namespace zelkor
