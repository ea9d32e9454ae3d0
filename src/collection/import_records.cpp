#include "collection/import_records.h"

#include <QRegularExpression>

#include "collection/record_rules.h"
#include "core/dates.h"
#include "core/money.h"

namespace zelkor {

namespace {

constexpr int kMaxDigits = 12;
// Wide enough for the reason a row was refused.
constexpr int kStatusWidth = 240;

bool isWholeNumberField(ImportKind kind, int column) {
    if (kind == ImportKind::Items)
        return column == import_item::Denda || column == import_item::Stock ||
               column == import_item::HrgRental;
    return kind == ImportKind::Members && column == import_member::Durasi;
}

}  // namespace

ImportKind ImportKindOf(const QString& importTarget) {
    if (importTarget == QLatin1String("ItemPerpus")) return ImportKind::Items;
    if (importTarget == QLatin1String("Member")) return ImportKind::Members;
    return ImportKind::None;
}

QString ImportHeaderLine(ImportKind kind) {
    switch (kind) {
        case ImportKind::Items:
            return QStringLiteral(
                "Id;Nama_Item;Pengarang;Hak_Cipta;Penerbit;ISBN;Nilai_Denda;Stock;Hrg_Rental;Rak");
        case ImportKind::Members:
            return QStringLiteral("Id;Nama_Member;Jenis_Kelamin;Tmp_Lahir;Tgl_Lahir;Alamat;Durasi");
        case ImportKind::None:
            break;
    }
    return {};
}

std::vector<GridColumn> ImportColumns(ImportKind kind) {
    switch (kind) {
        case ImportKind::Items:
            return {{"Id", 80, Align::Left},
                    {"Nama_Item", 180, Align::Left},
                    {"Pengarang", 100, Align::Left},
                    {"Hak_Cipta", 100, Align::Center},
                    {"Penerbit", 100, Align::Left},
                    {"ISBN", 100, Align::Center},
                    {"Nilai_Denda", 100, Align::Right},
                    {"Stock", 100, Align::Right},
                    {"Hrg_Rental", 100, Align::Right},
                    {"Rak", 100, Align::Center},
                    {"Status", kStatusWidth, Align::Center}};
        case ImportKind::Members:
            return {{"Id", 80, Align::Left},
                    {"Nama_Member", 180, Align::Left},
                    {"Jenis_Kelamin", 100, Align::Left},
                    {"Tmp_Lahir", 100, Align::Left},
                    {"Tgl_Lahir", 100, Align::Center},
                    {"Alamat", 100, Align::Left},
                    {"Durasi", 100, Align::Center},
                    {"Status", kStatusWidth, Align::Center}};
        case ImportKind::None:
            break;
    }
    return {};
}

int ImportStatusColumn(ImportKind kind) {
    return kind == ImportKind::Items     ? import_item::Status
           : kind == ImportKind::Members ? import_member::Status
                                         : 0;
}

ImportReply SplitRecordText(const QString& reply, int fields) {
    ImportReply r;
    if (reply.isEmpty()) return r;
    if (!reply.endsWith(QLatin1Char('|'))) {
        r.message = reply;
        return r;
    }
    // Every record ends with "|" and every field with ";": the last character of
    // each goes before splitting.
    const QStringView text = QStringView(reply).chopped(1);
    for (QStringView record : text.split(QLatin1Char('|'))) {
        if (record.endsWith(QLatin1Char(';'))) record.chop(1);
        QStringList cells;
        cells.reserve(fields);
        for (QStringView field : record.split(QLatin1Char(';'))) {
            if (cells.size() == fields) break;
            cells.append(field.toString());
        }
        while (cells.size() < fields) cells.append(QString());
        r.records.append(cells);
    }
    return r;
}

std::optional<QString> WholeNumberText(const QString& text) {
    QString t = text.trimmed();
    if (t.startsWith(QLatin1String("Rp"), Qt::CaseInsensitive)) t = t.mid(2).trimmed();
    if (t.startsWith(QLatin1Char('.'))) t = t.mid(1).trimmed();  // "Rp. 1.500"
    if (t.isEmpty()) return text.trimmed().isEmpty() ? std::optional<QString>(QString()) : std::nullopt;
    static const QRegularExpression plain(QStringLiteral("^[0-9]+$"));
    static const QRegularExpression grouped(
        QStringLiteral("^[0-9]{1,3}([.,][0-9]{3})+$|^[0-9]{1,3}( [0-9]{3})+$"));
    // A whole number a program wrote out with a zero fraction ("1500.0", "1500,00").
    static const QRegularExpression zeroFraction(QStringLiteral("^([0-9]+)[.,]0{1,2}$"));
    QString digits;
    if (plain.match(t).hasMatch()) {
        digits = t;
    } else if (grouped.match(t).hasMatch()) {
        digits = DigitsOnly(t);
    } else if (const auto m = zeroFraction.match(t); m.hasMatch()) {
        digits = m.captured(1);
    } else {
        return std::nullopt;
    }
    if (digits.size() > kMaxDigits) return std::nullopt;
    return digits;
}

QStringList ImportGridRow(ImportKind kind, QStringList record) {
    for (int c = 0; c < record.size(); ++c) {
        if (!isWholeNumberField(kind, c)) continue;
        if (const auto digits = WholeNumberText(record[c])) record[c] = *digits;
    }
    record.append(QString());  // "Status"
    return record;
}

QString GenderWords(const QString& text) {
    const QString t = text.trimmed().toLower();
    static const QStringList male = {"laki-laki", "laki laki", "lakilaki", "laki", "lk",
                                     "l",         "pria",      "cowok",    "male", "m"};
    static const QStringList female = {"perempuan", "pr", "p", "wanita", "w", "cewek", "female", "f"};
    if (male.contains(t)) return kMale;
    if (female.contains(t)) return kFemale;
    return text;
}

bool UnreadableBirthDate(const QStringList& row) {
    const QString given = row.value(import_member::TglLahir).trimmed();
    return !given.isEmpty() && !ParseWrittenDate(given).isValid();
}

std::optional<QStringList> ImportValues(ImportKind kind, const QStringList& row, const QString& category,
                                        QString* refusal) {
    const auto refuse = [&](const QString& why) -> std::optional<QStringList> {
        if (refusal) *refusal = why;
        return std::nullopt;
    };
    const auto cell = [&](int c) { return row.value(c).trimmed(); };
    if (kind == ImportKind::None) return refuse({});
    if (cell(0).isEmpty()) return refuse(kImportNoCode);
    if (cell(1).isEmpty()) return refuse(kImportNoName);
    // "KUNJUNG" marks the visit tariffs; no item may take it.
    if (kind == ImportKind::Items && cell(0).compare(QLatin1String("KUNJUNG"), Qt::CaseInsensitive) == 0)
        return refuse(kImportTariffCode);
    // Number fields hold what a record form would have let through: whole numbers.
    QStringList numbers;
    for (int c = 0; c < row.size(); ++c) {
        if (!isWholeNumberField(kind, c)) continue;
        const auto digits = WholeNumberText(row[c]);
        if (!digits) return refuse(kImportNotWhole.arg(ImportColumns(kind).at(c).header));
        numbers.append(*digits);
    }
    if (kind == ImportKind::Items) {
        using namespace import_item;
        const QString price = numbers.value(2);
        return QStringList{cell(Id),
                           row.value(Nama),
                           row.value(Pengarang),
                           row.value(HakCipta),
                           row.value(Penerbit),
                           row.value(Isbn),
                           numbers.value(0),
                           numbers.value(1),
                           AmountValue(price) > 0 ? "1" : "0",
                           price,
                           row.value(Rak)};
    }
    using namespace import_member;
    const QDate born = ParseWrittenDate(row.value(TglLahir));
    return QStringList{cell(Id),
                       row.value(Nama),
                       GenderWords(row.value(JenisKelamin)),
                       row.value(TmpLahir),
                       born.isValid() ? IsoDate(born) : QString(),
                       row.value(Alamat),
                       category,
                       numbers.value(0),
                       QStringLiteral("1")};
}

}  // namespace zelkor
