#pragma once
// The process-wide values of one run, in one object that main() creates and every
// form receives by reference. A test makes its own over a temporary database.
#include <QString>
#include <map>
#include <memory>

#include "db/database.h"
#include "ui/services.h"

namespace zelkor {

class GridData;

struct AppServices {
    MessageService& messages;
    Clock& clock;
    FileDialogs& files;
    Printers& printers;
};

class AppContext {
  public:
    AppContext(std::unique_ptr<Database> db, AppServices services);

    // ---- the connection --------------------------------------------------
    Database& db() { return *db_; }
    // Swaps in another open connection (the connection settings do this).
    void replaceDatabase(std::unique_ptr<Database> db) { db_ = std::move(db); }
    QString databasePath;
    QString connText2, connText3;  // carried fields 2 and 3 of conn.txt, "-" held as empty

    // ---- identity (perpus.txt) --------------------------------------------
    QString libraryName, libraryAddress, libraryPhone, libraryEmail;
    QString identityField5;  // carried, only written back into sekolah.txt

    // ---- the run -----------------------------------------------------------
    QString todayText;              // "yyyy-mm-dd", fixed when the main window is created
    QString currentOperator;        // the logged-in operator, shown in status bar part 1
    int gridFollowFlag = 0;         // shared by the record forms' follow-the-selection timers
    QString memberBrowserCategory;  // the member browser's chosen category, kept for the run
    QString reportCode;             // "0001".."0007", the report the Hasil menu asks for
    QString importTarget;           // "ItemPerpus" or "Member"
    const GridData* exportGrid = nullptr;
    QString rememberedPicture;
    // Wrong passwords in a row per user name in this run, and when the next try of
    // that name is checked again (the login's wait after too many).
    struct FailedLogins {
        int count = 0;
        QDateTime retryAt;
    };
    std::map<QString, FailedLogins> failedLogins;
    QString programDir;  // folder of the program (modules, images)
    QString workDir;     // the data folder: backups, laporan/, image/, a relative library path
    QString configDir;   // conn.txt, perpus.txt, sekolah.txt; empty: the working directory
    QString configFolder() const { return configDir.isEmpty() ? workDir : configDir; }

    // ---- services ----------------------------------------------------------
    MessageService& messages() { return services_.messages; }
    Clock& clock() { return services_.clock; }
    FileDialogs& files() { return services_.files; }
    Printers& printers() { return services_.printers; }

    // The clock text of the status bar, "HH:mm:ss".
    QString clockText() const { return services_.clock.timeText(); }
    // yyyymmddHHMMSS from TodayText and the clock text.
    QString timeStamp() const;

    // "SQL error: " + message, caption "Info", OK only.
    void sqlError(const QString& message);

    // Runs one statement with bound values; on failure shows the SQL error box and
    // returns false. The common case of every form.
    bool run(const QString& sql, const QVariantList& values = {}, const Database::RowCallback& onRow = {});

  private:
    std::unique_ptr<Database> db_;
    AppServices services_;
};

}  // namespace zelkor
