#pragma once
// The main window's commands: the menu with its command identifiers, the
// toolbar, and the table that dispatches an identifier to its handler.
#include <QString>
#include <functional>
#include <map>
#include <vector>

namespace zelkor {

namespace cmd {
// As in the menu resource; a popup's own identifier carries no command.
enum Id : int {
    FilePopup = 6000,
    ChangePassword = 6001,
    BackUp = 6002,
    Restore = 6003,
    DatabaseConnection = 6004,
    Exit = 6005,
    DataPopup = 6006,
    Items = 6007,
    Members = 6008,
    Operators = 6009,
    LibraryIdentity = 6010,
    VisitTariffs = 6011,
    ResetData = 6012,
    ProcessPopup = 6013,
    TransactionDesk = 6014,
    CashJournal = 6015,
    Catalogue = 6016,
    LostItems = 6017,
    ResultsPopup = 6018,
    ReportRental = 6019,
    ReportLoans = 6020,
    ReportReturns = 6021,
    ReportVisits = 6022,
    ReportFines = 6023,
    ReportNotReturned = 6024,
    ReportLostItems = 6025,
    HelpPopup = 6026,
    About = 6027,
    DownloadOther = 6028,
    // The transaction history has a toolbar button but no menu entry; its
    // command lies outside the menu's range.
    History = 6100,
    // The till's commands came after the menu resource; they follow History.
    TillClose = 6101,
    WaiveFines = 6102,
    ReportDebts = 6103,
    ReportDailyTakings = 6104,
};
}  // namespace cmd

struct MenuEntry {
    int id;
    const char* text;
};

struct MenuPopup {
    int id;
    const char* text;
    std::vector<MenuEntry> entries;
};

// The menu bar from left to right. Every popup and entry carries its mnemonic as
// "&" before the letter (Alt+F opens "File"); the text shown is the rest.
const std::vector<MenuPopup>& MenuTable();

struct ToolButton {
    int command;
    const char* text;
    const char* image;  // resource alias
    const char* toolTip;
};

// The five toolbar buttons from left to right.
const std::vector<ToolButton>& ToolbarTable();

// The keyboard shortcut of a command ("Ctrl+1"), or null. A command that is both
// in the menu and on the toolbar gets it on its menu entry only (one key, one action).
const char* ShortcutFor(int command);
// Whether the menu has an entry for the command.
bool InMenu(int command);

// The report code ("0001".."0007") a "Hasil" command asks for; empty for others.
QString ReportCodeFor(int command);

// The administrator is the operator named exactly "admin", letter case included.
bool IsAdministrator(const QString& currentOperator);

// Command identifier -> handler.
class CommandTable {
  public:
    using Handler = std::function<void()>;
    void set(int id, Handler handler) { handlers_[id] = std::move(handler); }
    bool has(int id) const { return handlers_.count(id) != 0; }
    // Runs the command's handler; false when the identifier has none.
    bool dispatch(int id) const;

  private:
    std::map<int, Handler> handlers_;
};

}  // namespace zelkor
