#pragma once
// The field rule that every delimited file and record of the system is read with.
#include <QString>

namespace zelkor {

// Field n (1-based) of `text`, fields separated by `delimiter`. When the text has
// fewer than n fields the whole text is returned, not an empty one: an identity
// line of three fields therefore gives the whole line as its fourth.
QString Field(const QString& text, QChar delimiter, int n);

// Reads a one-line file: every line is read in turn and the last one wins.
// A file that cannot be opened gives an empty record.
QString ReadLastLine(const QString& path);

}  // namespace zelkor
