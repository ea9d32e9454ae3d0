#include "accounts/operators.h"

#include "accounts/password_hash.h"
#include "app/app_context.h"
#include "db/row_sinks.h"
#include "ui/grid_data.h"

namespace zelkor {

namespace {
// The photo is "image/" + name + ".bmp": no folder, device or wildcard signs.
bool usableAsFileName(const QString& name) {
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    if (name == QLatin1String(".") || name == QLatin1String("..")) return false;
    for (const QChar c : name)
        if (c.unicode() < 0x20 || forbidden.contains(c)) return false;
    return true;
}
}  // namespace

void LoadOperators(AppContext& ctx, GridData& grid) {
    grid.clear();
    ctx.run(QStringLiteral("select User, 'OPERATOR' as OPR from useradmin WHERE user<>'admin' Order By User"),
            {}, AppendRowAutoColumns(grid));
    // An empty list still shows its two headers.
    if (grid.columnCount() == 0) {
        grid.addColumn(QStringLiteral("USER"), 100);
        grid.addColumn(QStringLiteral("OPR"), 100);
    }
}

AddOperatorResult AddOperator(AppContext& ctx, const QString& name) {
    QString count = QStringLiteral("0");
    if (!ctx.run(QStringLiteral("Select count(*) From useradmin Where User=?"), {name}, StoreScalar(count)))
        return AddOperatorResult::Failed;
    if (count.toLongLong() >= 1) return AddOperatorResult::Exists;
    if (name.isEmpty()) return AddOperatorResult::EmptyName;
    if (!usableAsFileName(name)) return AddOperatorResult::BadName;
    const QString hash = HashPassword(QString::fromLatin1(kInitialPassword));
    if (hash.isEmpty()) {  // out of memory
        ctx.messages().show(QStringLiteral("Password gagal disimpan, coba ulangi lagi.."),
                            QStringLiteral("Info"), MsgButtons::Ok, MsgIcon::None);
        return AddOperatorResult::Failed;
    }
    if (!ctx.run(QStringLiteral("Insert Into useradmin (User, Password) Values(?,?)"), {name, hash}))
        return AddOperatorResult::Failed;
    return AddOperatorResult::Added;
}

bool DeleteOperator(AppContext& ctx, const QString& name) {
    return ctx.run(QStringLiteral("Delete From useradmin Where User=? and User<>'admin'"), {name});
}

}  // namespace zelkor
