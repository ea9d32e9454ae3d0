#include "circulation/desk_messages.h"

#include "app/app_context.h"
#include "circulation/desk_save.h"
#include "core/money.h"

namespace zelkor {

bool ConfirmCart(MessageService& messages, const GridData& cart, const CartTotals& totals,
                 const QString& dibayarText) {
    const auto refuse = [&](const QString& why) {
        messages.show(QStringLiteral("Transaksi belum disimpan: ") + why, kDeskCaption, MsgButtons::Ok,
                      MsgIcon::Warning);
        return false;
    };
    const std::int64_t dibayar = AmountValue(dibayarText);
    switch (CheckCart(cart, totals, dibayarText)) {
        case CartCheck::TooLarge:
            return refuse(
                QStringLiteral("jumlah uang terlalu besar (lebih dari 12 digit). Periksa Biaya, "
                               "Potongan dan Dibayar, lalu tekan Simpan lagi.."));
        case CartCheck::NegativeNet:
            return refuse(QStringLiteral("Potongan ") + QString::number(totals.potongan) +
                          QStringLiteral(" lebih besar dari Jumlah ") + QString::number(totals.jumlah) +
                          QStringLiteral(". Perbaiki Potongan, lalu tekan Simpan lagi.."));
        case CartCheck::PaidShort:
            // Both fit in 12 digits here, so the difference cannot overflow.
            return messages.askYesNo(QStringLiteral("Dibayar ") + QString::number(dibayar) +
                                         QStringLiteral(" kurang dari Jml. Netto ") +
                                         QString::number(totals.netto) + QStringLiteral(", masih kurang ") +
                                         QString::number(totals.netto - dibayar) +
                                         QStringLiteral(", dicatat sebagai tanggungan member. "
                                                        "Simpan transaksi ini?"),
                                     kDeskCaption);
        case CartCheck::Ok:
            break;
    }
    return true;
}

void TellSaveFailed(AppContext& ctx, const GridData& cart, const SaveOutcome& outcome, const QString& stamp) {
    // A row that cannot be booked is named; Delete takes it out of the cart.
    const auto rowProblem = [&cart](int r, const char* what) {
        return QStringLiteral("Transaksi belum disimpan, tidak ada data yang berubah: ") +
               cart.cell(r, CartNamaItem) + QStringLiteral(" (") + cart.cell(r, CartKode) +
               QStringLiteral(") ") + QLatin1String(what) +
               QStringLiteral(". Pilih baris itu, tekan Delete untuk menghapusnya, lalu tekan Simpan lagi..");
    };
    QString text;
    if (outcome.returnedAlready >= 0) {
        text = rowProblem(outcome.returnedAlready, "sudah dikembalikan atau datanya tidak ada lagi");
    } else if (outcome.debtNotOpen >= 0) {
        text =
            rowProblem(outcome.debtNotOpen, "sudah dibayar atau dihapus, sisa tanggungannya kurang dari itu");
    } else if (outcome.noCopyLeft >= 0) {
        text = rowProblem(outcome.noCopyLeft,
                          "tidak tersedia lagi, semua eksemplarnya sedang dipinjam atau di-rental");
    } else {
        ctx.sqlError(outcome.error);
        text = outcome.duplicateId
                   ? QStringLiteral("Transaksi belum disimpan: nomor transaksi ") + stamp +
                         QStringLiteral(" sudah terpakai. Tunggu sebentar, lalu tekan Simpan lagi..")
                   : QStringLiteral(
                         "Transaksi belum disimpan, tidak ada data yang berubah. "
                         "Periksa pesan di atas, lalu tekan Simpan lagi..");
    }
    ctx.messages().show(text, kDeskCaption, MsgButtons::Ok, MsgIcon::Warning);
}

}  // namespace zelkor
