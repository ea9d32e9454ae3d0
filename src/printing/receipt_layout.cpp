#include "printing/receipt_layout.h"

#include "core/money.h"
#include "printing/amount_in_words.h"
#include "printing/text_helpers.h"

namespace zelkor {

namespace {

const QString kFace = QStringLiteral("Courier New");
const QString kKeep = QStringLiteral("[HARAP DISIMPAN DENGAN BAIK]");
constexpr int kX = 10;

void Small(PrintLayout& l, int k, const QString& text) {
    l.lines.push_back({kX, SmallLineY(k), text});
}
void Medium(PrintLayout& l, int k, const QString& text) {
    l.lines.push_back({kX, MediumLineY(k), text});
}

// Lines 0 to 5 of both small receipts: the library and the member.
void SmallHeader(PrintLayout& l, const ReceiptData& d) {
    Small(l, 0, Centre(d.libraryName));
    Small(l, 1, Centre(d.libraryAddress));
    Small(l, 2, Centre(QStringLiteral("Telp. ") + d.libraryPhone));
    Small(l, 3, Dashes(28));
    Small(l, 4, QStringLiteral("Nama       : ") + d.memberName);
    Small(l, 5, QStringLiteral("Kategori   : ") + d.memberCategory);
}

// A negative Sisa is still owed by the member: the receipt says so with the amount,
// never a negative change.
bool PaidShort(const ReceiptData& d) {
    return AmountValue(d.sisa) < 0;
}
QString Shortfall(const ReceiptData& d) {
    return QString::number(-AmountValue(d.sisa));
}

QString SmallFooter(const ReceiptData& d) {
    return QStringLiteral("Crt: ") + d.printDate + QStringLiteral(" By : ") + d.currentOperator;
}

// An amount line of the payment receipt: label, 7 spaces, "Rp.", the amount in 10 columns.
QString SmallAmount(const QString& label, const QString& value) {
    return label + Pad(7) + QStringLiteral("Rp.") + Stars10(value);
}

// An amount line of the medium receipt: the label ends in column 64, the amount in 74.
QString MediumAmount(const QString& label, const QString& value) {
    return QStringLiteral("   ") + Pad(61 - int(label.size())) + label + StarsTo(10, value);
}

}  // namespace

int SmallLineY(int k) {
    return 15 + 100 * k;
}
int MediumLineY(int k) {
    return 150 * k;
}

QString ReceiptWords(const ReceiptData& d) {
    return AmountInWords(AmountValue(d.netto));
}

PrintLayout LoanReceiptLayout(const ReceiptData& d) {
    PrintLayout l{kFace, 8, {}};
    SmallHeader(l, d);
    Small(l, 6, QStringLiteral("Tgl. Pinjam: ") + d.todayText);
    Small(l, 7, Dashes(28));
    int k = 8;
    for (const ReceiptRow& row : d.rows) {
        const QString name = row.namaItem.left(15);
        Small(l, k++,
              Two(row.no) + QLatin1Char(' ') + name + Pad(11 - int(name.size())) + QLatin1Char(' ') +
                  row.tglKembali);
    }
    Small(l, k++, Dashes(28));
    Small(l, k++, kKeep);
    Small(l, k, SmallFooter(d));
    return l;
}

PrintLayout PaymentReceiptLayout(const ReceiptData& d) {
    PrintLayout l{kFace, 8, {}};
    SmallHeader(l, d);
    Small(l, 6, QStringLiteral("Tgl. Trans : ") + d.todayText);
    Small(l, 7, Dashes(28));
    // Each cart row keeps its own line; a row without a charge leaves it blank.
    int last = 7;
    for (std::size_t i = 0; i < d.rows.size(); ++i) {
        const ReceiptRow& row = d.rows[i];
        if (LeadingNumber(row.biaya) <= 0) continue;
        last = 8 + int(i);
        const QString code = row.kode.left(11);
        Small(l, last,
              Two(row.no) + QLatin1Char(' ') + code + Pad(11 - int(code.size())) + QLatin1Char(' ') +
                  Stars10(row.biaya));
    }
    const QString words = ReceiptWords(d);
    Small(l, last + 1, Dashes(28));
    Small(l, last + 2, SmallAmount(QStringLiteral("Total  :"), d.jumlah));
    Small(l, last + 3, Equals(28));
    Small(l, last + 4, words.left(28));
    if (words.size() > 28) Small(l, last + 5, QLatin1Char(' ') + words.mid(28));
    Small(l, last + 6, SmallAmount(QStringLiteral("Pot    :"), d.potongan));
    Small(l, last + 7, SmallAmount(QStringLiteral("Jml-Bsh:"), d.netto));
    Small(l, last + 8, SmallAmount(QStringLiteral("Dibayar:"), d.dibayar));
    Small(l, last + 9,
          PaidShort(d)
              ? QStringLiteral("Kurang bayar:") + Pad(2) + QStringLiteral("Rp.") + Stars10(Shortfall(d))
              : SmallAmount(QStringLiteral("Kembali:"), d.sisa));
    Small(l, last + 10, kKeep);
    Small(l, last + 11, SmallFooter(d));
    return l;
}

PrintLayout MediumReceiptLayout(const ReceiptData& d) {
    PrintLayout l{kFace, 12, {}};
    const QString rule = QStringLiteral("   ") + Dashes(71);
    Medium(l, 1, QStringLiteral("   ") + d.libraryName);
    Medium(l, 2,
           QStringLiteral("   ") + d.libraryAddress + QStringLiteral(" Telp: ") + d.libraryPhone +
               QStringLiteral(" Email: ") + d.libraryEmail);
    Medium(l, 3, rule);
    Medium(l, 4, QStringLiteral("   Tgl. Trans : ") + d.todayText);
    Medium(l, 5,
           QStringLiteral("   Nama Siswa : ") + d.memberName + QStringLiteral("; Kategori : ") +
               d.memberCategory);
    Medium(l, 6, rule);
    int last = 6;
    for (const ReceiptRow& row : d.rows) {
        const QString item = row.trans.left(3) + QLatin1Char(' ') + row.namaItem;
        Medium(l, ++last,
               QStringLiteral("   ") + row.no + Pad(3 - int(row.no.size())) + item +
                   Pad(40 - int(item.size())) + QStringLiteral(" JT: ") + row.tglKembali +
                   QStringLiteral(" Rp.") + StarsTo(9, row.biaya));
    }
    Medium(l, last + 1, rule);
    Medium(l, last + 2, MediumAmount(QStringLiteral("                      Total : Rp."), d.jumlah));
    Medium(l, last + 3, rule);
    Medium(l, last + 4, QStringLiteral("   ") + ReceiptWords(d));
    Medium(l, last + 5, MediumAmount(QStringLiteral("Penerima              Potongan : Rp."), d.potongan));
    Medium(l, last + 6, MediumAmount(QStringLiteral("                      Jml. Bersih : Rp."), d.netto));
    Medium(l, last + 7, MediumAmount(QStringLiteral("                      Dibayar : Rp."), d.dibayar));
    Medium(l, last + 8,
           PaidShort(d) ? MediumAmount(QStringLiteral("(__________)     Kurang bayar : Rp."), Shortfall(d))
                        : MediumAmount(QStringLiteral("(__________)          Kembali : Rp."), d.sisa));
    Medium(l, last + 9,
           QStringLiteral("   Dicetak tanggal ") + d.printDate + QLatin1Char(' ') + d.clockText +
               QStringLiteral(" oleh operator : ") + d.currentOperator);
    return l;
}

}  // namespace zelkor
