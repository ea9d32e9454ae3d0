#include "lost_item_report.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>

#include "app/app_context.h"
#include "collection/entry_messages.h"
#include "collection/record_queries.h"
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
std::optional<QString> FreeReportCode(Database& db, QString code, QString* error) {
    QDateTime at = QDateTime::fromString(code, kStampFormat);
    for (int tries = 0; tries < 3600; ++tries) {
        QString taken;
        const DbResult r =
            db.exec(QStringLiteral("Select count(*) From ItemHilang WHERE Id=?"), {code}, StoreScalar(taken));
        if (!r) {
            *error = r.error;
            return std::nullopt;
        }
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

    // The report and the stock are one action: both are written or neither. A
    // message waits until the transaction has ended, so that no other desk
    // waits on the write lock while the operator reads it.
    QString problem;
    bool sqlProblem = false;
    const std::optional<QString> left = [&]() -> std::optional<QString> {
        auto stop = [&](const QString& why, bool sql = false) {
            problem = why;
            sqlProblem = sql;
            return std::nullopt;
        };
        Transaction tx(ctx.db());
        if (!tx.active()) return stop(tx.beginResult().error, true);
        QStringList stocks;
        if (const DbResult r = ctx.db().exec(QStringLiteral("select JmlStock from ItemPerpus where Id=?"),
                                             {report.item}, [&](const DbRow& row) { stocks << row.text(0); });
            !r)
            return stop(r.error, true);
        if (stocks.size() != 1) return stop(stocks.isEmpty() ? entry::kNotFound : entry::kSeveral);
        const std::optional<std::int64_t> stock = StockValue(stocks.front());
        if (!stock) return stop(kLossStockNotNumber);
        // Only a copy on the shelf can be lost here; one lent out comes back through
        // the desk. Counted inside the transaction, so a loan saved meanwhile counts.
        const Statement out = OpenMovementsStatement(QStringLiteral("IdItemPerpus"), report.item);
        DbResult counted;
        const QString lent = ctx.db().scalar(out.sql, out.values, QStringLiteral("0"), &counted);
        if (!counted) return stop(counted.error, true);
        const std::int64_t onShelf = std::max<std::int64_t>(0, *stock - lent.toLongLong());
        if (*count > onShelf) return stop(kLossAboveShelf.arg(onShelf));
        QString sqlError;
        const std::optional<QString> code = FreeReportCode(ctx.db(), ctx.timeStamp(), &sqlError);
        if (!code) return stop(sqlError, true);
        if (const DbResult r = ctx.db().exec(
                QStringLiteral("Insert Into ItemHilang (Id, Tgl, IdItemPerpus, Jumlah, Pelapor, Keterangan, "
                               "Ops) Values(?,?,?,?,?,?,?)"),
                {*code, report.date, report.item, report.count, report.reporter, report.remark,
                 ctx.currentOperator});
            !r)
            return stop(r.error, true);
        // Both numbers are bounded (15 and 12 digits): the difference cannot overflow.
        const QString rest = QString::number(*stock - *count);
        const DbResult update =
            ctx.db().exec(QStringLiteral("Update ItemPerpus Set JmlStock=? where Id=?"), {rest, report.item});
        if (!update.ok) return stop(update.error, true);
        if (update.changes != 1) return stop(update.changes == 0 ? entry::kNotFound : entry::kSeveral);
        if (const DbResult done = tx.commit(); !done.ok) return stop(done.error, true);
        return rest;
    }();
    if (!left) {
        if (sqlProblem)
            ctx.sqlError(problem);
        else
            ctx.messages().info(problem, entry::kCaption);
    }
    return left;
}

}  // namespace zelkor
