#include "accounts/operators.h"

#include "accounts/password_hash.h"
#include "app/app_context.h"
#include "app/pictures.h"
#include "db/row_sinks.h"
#include "ui/grid_data.h"

namespace zelkor {

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
    // The name is also the name of the operator's photo file.
    switch (CheckPictureName(name)) {
        case PictureName::Forbidden:
            return AddOperatorResult::BadName;
        case PictureName::SpacesAround:
            return AddOperatorResult::SpacesAround;
        case PictureName::Device:
            return AddOperatorResult::DeviceName;
        case PictureName::Usable:
            break;
    }
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
