#pragma once
// The small text files read from the working directory at start-up: the
// connection file "conn.txt" and the identity file "perpus.txt". Each is one
// ";"-separated record (the last line of the file wins), read by the field rule.
#include <QString>

namespace zelkor {

class AppContext;

struct ConnSettings {
    QString databasePath;  // field 1, unchanged (absolute, or relative to the working directory)
    QString text2, text3;  // fields 2 and 3; a field that reads "-" is held as empty
};

struct Identity {
    QString name, address, phone, email;  // fields 1 to 4
    QString field5;                       // carried as read, only written back by the settings
};

ConnSettings ParseConnLine(const QString& line);
Identity ParseIdentityLine(const QString& line);

// The files themselves; a missing file gives an empty record, hence empty values.
ConnSettings ReadConnFile(const QString& path);
Identity ReadIdentityFile(const QString& path);

// Puts the identity into the run's values.
void ApplyIdentity(AppContext& ctx, const Identity& identity);

// The lines the settings write back, each read again by the field rule above:
// conn.txt "path;text2;text3" (a "-" read at start-up comes back empty),
// perpus.txt "name;address;phone;e-mail;field5" and sekolah.txt
// "name;address;phone;-;field5".
QString ConnLine(const ConnSettings& settings);
QString IdentityLine(const Identity& identity);
QString SchoolLine(const Identity& identity);

// Whether `text` holds a line break of any kind: CR, LF, vertical tab, form feed,
// NEL (U+0085), U+2028 or U+2029. Written into a one-line file it would split the
// record, and the next start would read only its last piece.
bool HasLineBreak(const QString& text);

// Replaces the file at `path` whole by `line`: the text goes into a temporary
// file beside it that is renamed over it only once complete, so a failure
// leaves the earlier file as it was. A line holding a line break is refused and
// nothing is written. False with the reason in `error`.
bool WriteLineFile(const QString& path, const QString& line, QString* error);

}  // namespace zelkor
