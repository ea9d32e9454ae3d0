#include "app/config_files.h"

#include <QSaveFile>

#include "app/app_context.h"
#include "core/field.h"

namespace zelkor {

namespace {
QString dashAsEmpty(const QString& text) {
    return text == QLatin1String("-") ? QString() : text;
}
}  // namespace

ConnSettings ParseConnLine(const QString& line) {
    ConnSettings s;
    s.databasePath = Field(line, ';', 1);
    s.text2 = dashAsEmpty(Field(line, ';', 2));
    s.text3 = dashAsEmpty(Field(line, ';', 3));
    return s;
}

Identity ParseIdentityLine(const QString& line) {
    Identity id;
    id.name = Field(line, ';', 1);
    id.address = Field(line, ';', 2);
    id.phone = Field(line, ';', 3);
    id.email = Field(line, ';', 4);
    id.field5 = Field(line, ';', 5);
    return id;
}

ConnSettings ReadConnFile(const QString& path) {
    return ParseConnLine(ReadLastLine(path));
}

Identity ReadIdentityFile(const QString& path) {
    return ParseIdentityLine(ReadLastLine(path));
}

void ApplyIdentity(AppContext& ctx, const Identity& identity) {
    ctx.libraryName = identity.name;
    ctx.libraryAddress = identity.address;
    ctx.libraryPhone = identity.phone;
    ctx.libraryEmail = identity.email;
    ctx.identityField5 = identity.field5;
}

QString ConnLine(const ConnSettings& s) {
    return s.databasePath + ';' + s.text2 + ';' + s.text3;
}

QString IdentityLine(const Identity& id) {
    return QStringList{id.name, id.address, id.phone, id.email, id.field5}.join(';');
}

QString SchoolLine(const Identity& id) {
    return QStringList{id.name, id.address, id.phone, QStringLiteral("-"), id.field5}.join(';');
}

bool HasLineBreak(const QString& text) {
    static const QString breaks = QStringLiteral("\n\r\v\f\u0085\u2028\u2029");
    for (const QChar c : text)
        if (breaks.contains(c)) return true;
    return false;
}

bool WriteLineFile(const QString& path, const QString& line, QString* error) {
    // The last guard: whatever a form let through, the file stays one record.
    if (HasLineBreak(line)) {
        if (error) *error = QStringLiteral("teks memuat tanda pindah baris");
        return false;
    }
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        file.write((line + '\n').toUtf8());
        if (file.commit()) return true;
    }
    if (error) *error = file.errorString();
    return false;
}

}  // namespace zelkor
