#include "reports/grid_export.h"

#include <QDir>
#include <QLibrary>

#include "app/app_context.h"
#include "reports/export_packages.h"
#include "ui/grid_data.h"

namespace zelkor {

namespace {

const QString kCaption = QStringLiteral("Export To excel..");

// One export module, loaded for one call and released when this goes.
class ExportModule {
  public:
    ExportModule(const QString& programDir, const QString& name) {
        // Beside the program first: a copy there wins over one installed elsewhere.
        if (!programDir.isEmpty()) {
            lib_.setFileName(QDir(programDir).filePath(name));
            if (lib_.load()) return;
        }
        lib_.setFileName(name);
        lib_.load();
    }
    ~ExportModule() {
        if (lib_.isLoaded()) lib_.unload();
    }
    ExportModule(const ExportModule&) = delete;
    ExportModule& operator=(const ExportModule&) = delete;

    bool loaded() const { return lib_.isLoaded(); }
    QFunctionPointer entry() { return lib_.resolve("sData"); }

  private:
    QLibrary lib_;
};

// Loads the module and finds its entry point, telling the operator when either
// fails. The program goes on in both cases: ending it would throw away whatever
// the operator had open.
template <typename Entry>
Entry openEntry(AppContext& ctx, ExportModule& module) {
    if (!module.loaded()) {
        ctx.messages().info(QStringLiteral("tidak dapat membaca library.."), kCaption);
        return nullptr;
    }
    auto entry = reinterpret_cast<Entry>(module.entry());
    if (!entry)
        ctx.messages().info(QStringLiteral("tidak dapat membaca data yang dibaca library.."), kCaption);
    return entry;
}

QString copyReply(const char* reply) {
    return reply ? QString::fromUtf8(reply) : QString();
}

}  // namespace

std::optional<QString> ReportGridToBrowser(AppContext& ctx, const QString& title, const GridData& grid) {
    using Entry = const char* (*)(const char*, const char*, const char*);
    ExportModule module(ctx.programDir, QString::fromLatin1(kBrowserModule));
    const Entry sData = openEntry<Entry>(ctx, module);
    if (!sData) return std::nullopt;
    const BrowserPackage p = BuildBrowserPackage(title, ctx.libraryName, ctx.libraryAddress, grid);
    return copyReply(sData(p.information.c_str(), p.headers.c_str(), p.rows.c_str()));
}

std::optional<QString> ExportGridToSpreadsheet(AppContext& ctx) {
    if (!ctx.exportGrid) return std::nullopt;
    using Entry = const char* (*)(int, int, const char*);
    ExportModule module(ctx.programDir, QString::fromLatin1(kSpreadsheetModule));
    const Entry sData = openEntry<Entry>(ctx, module);
    if (!sData) return std::nullopt;
    const SpreadsheetPackage p = BuildSpreadsheetPackage(*ctx.exportGrid);
    return copyReply(sData(p.rowCount, p.columnCount, p.data.c_str()));
}

}  // namespace zelkor
