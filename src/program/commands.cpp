#include "program/commands.h"

namespace zelkor {

const std::vector<MenuPopup>& MenuTable() {
    static const std::vector<MenuPopup> menu = {
        {cmd::FilePopup,
         "&File",
         {{cmd::ChangePassword, "&Rubah Password"},
          {cmd::BackUp, "&BackUp"},
          {cmd::Restore, "Re&store"},
          {cmd::DatabaseConnection, "Koneksi &Database"},
          {cmd::Exit, "&Keluar"}}},
        {cmd::DataPopup,
         "&Data",
         {{cmd::Items, "Data &Item Perpustakaan"},
          {cmd::Members, "Data &Member"},
          {cmd::Operators, "Data &Operator"},
          {cmd::LibraryIdentity, "Data I&dentitas Perpustakaan"},
          {cmd::VisitTariffs, "&Tarif Kunjungan"},
          {cmd::ResetData, "&Reset Data"}}},
        {cmd::ProcessPopup,
         "&Proses",
         {{cmd::TransactionDesk, "&Transaksi"},
          {cmd::CashJournal, "&Alur Kas"},
          {cmd::Catalogue, "&Katalog"},
          {cmd::History, "&Histori"},
          {cmd::LostItems, "&Item Hilang"},
          {cmd::TillClose, "T&utup Kas"},
          {cmd::WaiveFines, "Hapus &Denda"}}},
        {cmd::ResultsPopup,
         "&Hasil",
         {{cmd::ReportRental, "Laporan Transaksi &Rental"},
          {cmd::ReportLoans, "Laporan Transaksi &Peminjaman"},
          {cmd::ReportReturns, "Laporan Transaksi Pe&ngembalian"},
          {cmd::ReportVisits, "Laporan Transaksi &Kunjungan"},
          {cmd::ReportFines, "Laporan Penerimaan &Sanksi Administrasi"},
          {cmd::ReportNotReturned, "Laporan Item yang &belum dikembalikan"},
          {cmd::ReportLostItems, "Laporan Item &Hilang"},
          {cmd::ReportDebts, "Laporan &Tanggungan"},
          {cmd::ReportDailyTakings, "Laporan Penerimaan H&arian"}}},
        {cmd::HelpPopup,
         "&Bantuan",
         {{cmd::About, "&Tentang Kami"}, {cmd::DownloadOther, "&Download Produk Lainnya"}}},
    };
    return menu;
}

const std::vector<ToolButton>& ToolbarTable() {
    static const std::vector<ToolButton> buttons = {
        {cmd::TransactionDesk, "TRANSAKSI", ":/IMAGE_CUSTOMERS",
         "Proses peminjaman, pengembalian, presensi dan rental"},
        {cmd::CashJournal, "ALUR KAS", ":/IMAGE_MONEY", "Jurnal kas masuk dan keluar"},
        {cmd::Catalogue, "KATALOG", ":/IMAGE_FOLDERA31", "Pusat pencarian item perpustakaan"},
        {cmd::History, "HISTORI", ":/IMAGE_TIMETOGETUP", "Riwayat proses rekam data perpustakaan"},
        {cmd::LostItems, "ITEM HILANG", ":/IMAGE_UP", "Mencatat item yang hilang dan rusak"},
    };
    return buttons;
}

const char* ShortcutFor(int command) {
    switch (command) {
        // The toolbar's five buttons, left to right.
        case cmd::TransactionDesk:
            return "Ctrl+1";
        case cmd::CashJournal:
            return "Ctrl+2";
        case cmd::Catalogue:
            return "Ctrl+3";
        case cmd::History:
            return "Ctrl+4";
        case cmd::LostItems:
            return "Ctrl+5";
        case cmd::Exit:
            return "Ctrl+Q";
        case cmd::About:
            return "F1";
        default:
            return nullptr;
    }
}

bool InMenu(int command) {
    for (const MenuPopup& popup : MenuTable())
        for (const MenuEntry& entry : popup.entries)
            if (entry.id == command) return true;
    return false;
}

QString ReportCodeFor(int command) {
    switch (command) {
        case cmd::ReportRental:
            return QStringLiteral("0001");
        case cmd::ReportLoans:
            return QStringLiteral("0002");
        case cmd::ReportReturns:
            return QStringLiteral("0003");
        case cmd::ReportVisits:
            return QStringLiteral("0004");
        case cmd::ReportNotReturned:
            return QStringLiteral("0005");
        case cmd::ReportLostItems:
            return QStringLiteral("0006");
        case cmd::ReportFines:
            return QStringLiteral("0007");
        default:
            return {};
    }
}

bool IsAdministrator(const QString& currentOperator) {
    return currentOperator == QLatin1String("admin");
}

bool CommandTable::dispatch(int id) const {
    const auto it = handlers_.find(id);
    if (it == handlers_.end()) return false;
    if (it->second) it->second();
    return true;
}

}  // namespace zelkor
