#pragma once
// What the main window opens from circulation: the transaction desk and the visit
// tariffs, both modal over `owner`.
class QWidget;

namespace zelkor {

class AppContext;
struct DeskHooks;

// "TRANSAKSI" and "Proses" > "Transaksi".
void OpenTransactionDesk(AppContext& ctx, QWidget* owner);

// "Data" > "Tarif Kunjungan".
void OpenVisitTariffs(AppContext& ctx, QWidget* owner);

// The dialogs and the printing the desk opens: the member browser, the pickers,
// the return list and the receipts are wired in here as they are written.
DeskHooks StandardDeskHooks(AppContext& ctx);

}  // namespace zelkor
