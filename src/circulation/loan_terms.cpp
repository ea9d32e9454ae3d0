#include "circulation/loan_terms.h"

#include <QSet>

#include "app/app_context.h"
#include "circulation/cart.h"
#include "circulation/desk_form.h"
#include "core/dates.h"
#include "db/database.h"
#include "db/row_sinks.h"
#include "rules/due_and_fine.h"
#include "rules/loan_limit.h"

namespace zelkor {

namespace {

QString ItemKind(Database& db, const QString& itemId) {
    return db.scalar(QStringLiteral("select Jenis from ItemPerpus where Id=? and Id<>'KUNJUNG'"), {itemId});
}

bool AnyRule(Database& db) {
    return db.scalar(QStringLiteral("select exists (select 1 from AturanPinjam)"), {}) == QLatin1String("1");
}

}  // namespace

const QString kOpenMovementsSql = QStringLiteral(
    "select t.Id, (select i.NamaItem from ItemPerpus i where i.Id=t.IdItemPerpus), t.TglKembali, "
    "(select i.Denda from ItemPerpus i where i.Id=t.IdItemPerpus), "
    "(select i.Jenis from ItemPerpus i where i.Id=t.IdItemPerpus), t.KodeTrans "
    "from TransPerpus t where t.Status<1 and t.IdMember=? and ifnull(t.KodeTrans,'')<>'KUNJUNG' order by "
    "t.Id");

OpenMovement ReadOpenMovement(const DbRow& row) {
    return {row.text(0), row.text(1), row.text(2), row.text(3), row.text(4), row.text(5)};
}

const QString kRenewalsOutSql = QStringLiteral(
    "select p.IdTrans, p.Kali from Perpanjangan p join TransPerpus t on t.Id=p.IdTrans "
    "where t.IdMember=? and t.Status<1");

LateFine FineOfReturn(const LoanSettings& settings, const QString& kategori, const OpenMovement& m,
                      const QDate& on) {
    const LoanRule* rule =
        m.kodeTrans == kTransPinjam ? ChooseRule(settings.rules, kategori, m.jenis) : nullptr;
    return FineFor(rule, settings.calendar, m.due, on, m.denda);
}

RenewalOffer OfferRenewal(const LoanSettings& settings, const QString& kategori, const QString& memberDays,
                          const OpenMovement& m, const QDate& today) {
    RenewalOffer offer;
    if (m.kodeTrans != kTransPinjam) {
        offer.refusal = QStringLiteral("Rental tidak dapat diperpanjang..");
        return offer;
    }
    const LoanRule* rule = ChooseRule(settings.rules, kategori, m.jenis);
    if (!rule || !rule->maxRenewals || *rule->maxRenewals <= 0) {
        offer.refusal =
            rule ? QStringLiteral("Aturan ") + rule->name() + QStringLiteral(" tanpa perpanjangan..")
                 : QStringLiteral("Tidak ada aturan perpanjangan untuk member ") + kategori +
                       QStringLiteral("..");
        return offer;
    }
    if (m.renewals >= *rule->maxRenewals) {
        offer.refusal = QStringLiteral("Sudah diperpanjang %1 kali, paling banyak %2 (aturan ")
                            .arg(m.renewals)
                            .arg(*rule->maxRenewals) +
                        rule->name() + QStringLiteral(")..");
        return offer;
    }
    const QDate due = ParseIsoDate(m.due);
    const LateFine fine = FineFor(rule, settings.calendar, due, today, m.denda);
    offer.fine = fine.amount ? QString::number(*fine.amount) : QStringLiteral("0");
    // From the due date when the library counts so, but a late loan counts from
    // today: its fine is paid up to today and the new period starts now.
    const QDate from = settings.renewFromDueDate && due.isValid() && due >= today ? due : today;
    offer.due = RenewedDueDate(rule, settings.calendar, from, memberDays);
    offer.days = QString::number(from.daysTo(ParseIsoDate(offer.due)));
    return offer;
}

bool AnyRenewalRule(Database& db) {
    return db.scalar(QStringLiteral("select exists (select 1 from AturanPinjam where "
                                    "cast(trim(MaksPerpanjang) as integer) > 0)"),
                     {}) == QLatin1String("1");
}

int RenewalBeyondRules(Database& db, const GridData& cart, const QString& memberId, QString& refusal) {
    std::vector<int> rows;
    for (int r = 0; r < cart.rowCount(); ++r)
        if (cart.cell(r, CartTrans) == kTransPerpanjang) rows.push_back(r);
    if (rows.empty()) return -1;
    const LoanSettings settings = LoadLoanSettings(db);
    const QString kategori = db.scalar(QStringLiteral("select Kategori from Member where Id=?"), {memberId});
    for (int r : rows) {
        QString jenis, renewals;
        db.exec(QStringLiteral("select (select i.Jenis from ItemPerpus i where i.Id=t.IdItemPerpus), "
                               "(select p.Kali from Perpanjangan p where p.IdTrans=t.Id) "
                               "from TransPerpus t where t.Id=?"),
                {cart.cell(r, CartKode)}, [&](const DbRow& row) {
                    jenis = row.text(0);
                    renewals = row.text(1);
                });
        const LoanRule* rule = ChooseRule(settings.rules, kategori, jenis);
        const std::int64_t allowed = rule && rule->maxRenewals ? *rule->maxRenewals : 0;
        const std::int64_t done = renewals.trimmed().toLongLong();
        if (done <= allowed) continue;
        refusal = QStringLiteral("Sudah diperpanjang %1 kali, paling banyak %2..").arg(done - 1).arg(allowed);
        return r;
    }
    return -1;
}

LoanOffer OfferLoan(DeskForm& desk, const QString& itemId) {
    AppContext& ctx = desk.context();
    const LoanSettings settings = LoadLoanSettings(ctx.db());
    const QString kategori = desk.memberValue(DeskForm::MemberKategori);
    const QString period = desk.memberValue(DeskForm::MemberNPinjam);
    LoanOffer offer;
    const LoanRule* rule = nullptr;
    if (!settings.rules.empty()) {
        const QString jenis = ItemKind(ctx.db(), itemId);
        rule = ChooseRule(settings.rules, kategori, jenis);
        offer.refusal =
            LoanRefusal(settings.rules, kategori, jenis,
                        KindsOut(ctx.db(), desk.memberValue(DeskForm::MemberId), desk.cart(), true));
        if (!offer.refusal.isEmpty()) return offer;
    }
    offer.days = rule && rule->loanDays ? QString::number(*rule->loanDays) : period;
    offer.due = LoanDueDate(rule, settings.calendar, ctx.clock().today(), period);
    return offer;
}

QStringList KindsOut(Database& db, const QString& memberId, const GridData& cart, bool withCartLoans) {
    QSet<QString> returning;
    QStringList kinds;
    for (int r = 0; r < cart.rowCount(); ++r) {
        const QString trans = cart.cell(r, CartTrans);
        if (trans == kTransReturn) returning.insert(cart.cell(r, CartKode));
        if (withCartLoans && trans == kTransPinjam) kinds << ItemKind(db, cart.cell(r, CartKode));
    }
    db.exec(QStringLiteral("select t.Id, (select i.Jenis from ItemPerpus i where i.Id=t.IdItemPerpus) "
                           "from TransPerpus t where t.IdMember=? and t.Status<1 and t.KodeTrans='PINJAM'"),
            {memberId}, [&](const DbRow& row) {
                if (!returning.contains(row.text(0))) kinds << row.text(1);
            });
    return kinds;
}

int LoanBeyondRules(Database& db, const GridData& cart, const QString& memberId, QString& refusal) {
    if (!AnyRule(db)) return -1;
    const LoanSettings settings = LoadLoanSettings(db);
    const QString kategori = db.scalar(QStringLiteral("select Kategori from Member where Id=?"), {memberId});
    // Written already, so the cart's loans count among the member's; each is
    // checked with itself left out.
    QStringList kinds = KindsOut(db, memberId, cart, false);
    for (int r = 0; r < cart.rowCount(); ++r) {
        if (cart.cell(r, CartTrans) != kTransPinjam) continue;
        const QString jenis = ItemKind(db, cart.cell(r, CartKode));
        QStringList others = kinds;
        others.removeOne(jenis);
        refusal = LoanRefusal(settings.rules, kategori, jenis, others);
        if (!refusal.isEmpty()) return r;
    }
    return -1;
}

}  // namespace zelkor
