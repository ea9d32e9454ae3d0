#include "printing/voucher_layout.h"

#include "core/dates.h"
#include "printing/amount_in_words.h"
#include "printing/text_helpers.h"

namespace zelkor {

QString VoucherDate(const QDate& date) {
    return DateInWords(date);
}

PrintLayout VoucherLayout(const VoucherData& v) {
    PrintLayout l{QStringLiteral("Courier New"), 10, {}};
    auto at = [&l](int y, const QString& text) { l.lines.push_back({10, y, text}); };
    const QString rule = Dashes(66);
    const QString signColumn = Pad(30);
    // The three heading lines are centred on the 66 columns.
    at(150, CentredOn(33, v.libraryName.toUpper()));
    at(250, CentredOn(33, v.libraryAddress));
    at(350, CentredOn(33, QStringLiteral("Telp. ") + v.libraryPhone));
    at(450, rule);
    at(550, QStringLiteral(" No.              : ") + v.code);
    at(750, QStringLiteral(" Terima dari.     : ") + v.receivedFrom);
    at(950, QStringLiteral(" Untuk Pembayaran : ") + v.purpose);
    at(1050, QStringLiteral("                  : ") + v.category);
    at(1150, rule);
    at(1250, QStringLiteral(" Terbilang        : ") + AmountInWords(v.amount) + QStringLiteral(" rupiah"));
    at(1350, rule);
    at(1450, QStringLiteral("                  : Rp. ") +
                 QString::number(v.amount).rightJustified(10, QLatin1Char(' ')));
    at(1550, signColumn + QStringLiteral("_______________, ") + v.dateText);
    at(1650, signColumn + QStringLiteral("Penerima"));
    at(2050, signColumn + v.receiver.toUpper());
    return l;
}

}  // namespace zelkor
