#include "reports/grid_export.h"

#include "app/app_context.h"
#include "app/module_library.h"
#include "reports/export_packages.h"
#include "ui/grid_data.h"

namespace zelkor {

namespace {

// The entry point of the module, the operator told when it or the module is missing.
template <typename Entry>
Entry openEntry(AppContext& ctx, ModuleLibrary& module) {
    return reinterpret_cast<Entry>(ModuleEntry(ctx.messages(), module, "sData"));
}

QString copyReply(const char* reply) {
    return reply ? QString::fromUtf8(reply) : QString();
}

}  // namespace

std::optional<QString> ReportGridToBrowser(AppContext& ctx, const QString& title, const GridData& grid) {
    using Entry = const char* (*)(const char*, const char*, const char*);
    ModuleLibrary module(ctx.programDir, QString::fromLatin1(kBrowserModule));
    const Entry sData = openEntry<Entry>(ctx, module);
    if (!sData) return std::nullopt;
    const BrowserPackage p = BuildBrowserPackage(title, ctx.libraryName, ctx.libraryAddress, grid);
    return copyReply(sData(p.information.c_str(), p.headers.c_str(), p.rows.c_str()));
}

std::optional<QString> ExportGridToSpreadsheet(AppContext& ctx) {
    if (!ctx.exportGrid) return std::nullopt;
    using Entry = const char* (*)(int, int, const char*);
    ModuleLibrary module(ctx.programDir, QString::fromLatin1(kSpreadsheetModule));
    const Entry sData = openEntry<Entry>(ctx, module);
    if (!sData) return std::nullopt;
    const SpreadsheetPackage p = BuildSpreadsheetPackage(*ctx.exportGrid);
    return copyReply(sData(p.rowCount, p.columnCount, p.data.c_str()));
}

}  // namespace zelkor
