#include "app/app_context.h"

#include "core/dates.h"

namespace zelkor {

AppContext::AppContext(std::unique_ptr<Database> db, AppServices services)
    : db_(std::move(db)), services_(services) {}

QString AppContext::timeStamp() const { return TimeStamp(todayText, clockText()); }

void AppContext::sqlError(const QString& message) {
    services_.messages.show(QStringLiteral("SQL error: ") + message, QStringLiteral("Info"), MsgButtons::Ok,
                            MsgIcon::None);
}

bool AppContext::run(const QString& sql, const QVariantList& values, const Database::RowCallback& onRow) {
    const DbResult r = db_->exec(sql, values, onRow);
    if (!r.ok) sqlError(r.error);
    return r.ok;
}

}  // namespace zelkor
