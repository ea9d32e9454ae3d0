#include "reports/grid_export.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

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

// The modules open the file they wrote themselves, by the same rule as here, and
// never say whether a viewer came up. When none could have, the operator is told
// where the file is, or the export leaves no trace on the screen.
bool viewerOpensExports() {
    const QByteArray skip = qgetenv("ZELKOR_EXPORT_NO_OPEN");
    if (!skip.isEmpty() && skip != "0") return false;
    return !QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty();
}

QString tellWhereItWent(AppContext& ctx, const QString& reply) {
    // Only a file the module wrote; a module may answer with something else.
    if (QFileInfo(reply).isFile() && !viewerOpensExports())
        ctx.messages().info(QStringLiteral("File tersimpan di %1, silahkan dibuka dari sana..")
                                .arg(QDir::toNativeSeparators(reply)),
                            QStringLiteral("Info"));
    return reply;
}

}  // namespace

std::optional<QString> ReportGridToBrowser(AppContext& ctx, const QString& title, const GridData& grid) {
    using Entry = const char* (*)(const char*, const char*, const char*);
    ModuleLibrary module(ctx.programDir, QString::fromLatin1(kBrowserModule));
    const Entry sData = openEntry<Entry>(ctx, module);
    if (!sData) return std::nullopt;
    const BrowserPackage p = BuildBrowserPackage(title, ctx.libraryName, ctx.libraryAddress, grid);
    return tellWhereItWent(ctx, copyReply(sData(p.information.c_str(), p.headers.c_str(), p.rows.c_str())));
}

std::optional<QString> ExportGridToSpreadsheet(AppContext& ctx) {
    if (!ctx.exportGrid) return std::nullopt;
    using Entry = const char* (*)(int, int, const char*);
    ModuleLibrary module(ctx.programDir, QString::fromLatin1(kSpreadsheetModule));
    const Entry sData = openEntry<Entry>(ctx, module);
    if (!sData) return std::nullopt;
    const SpreadsheetPackage p = BuildSpreadsheetPackage(*ctx.exportGrid);
    return tellWhereItWent(ctx, copyReply(sData(p.rowCount, p.columnCount, p.data.c_str())));
}

}  // namespace zelkor
