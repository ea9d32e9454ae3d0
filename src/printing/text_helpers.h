#pragma once
// The small text functions the receipt and voucher layouts are written with.
// Lengths count characters, so a fixed-pitch font keeps the columns.
#include <QString>

namespace zelkor {

// The first 28 characters of s, centred on a 28-character receipt line.
QString Centre(const QString& s);

// n copies of "-" / "=".
QString Dashes(int n);
QString Equals(int n);

// n spaces, none when n is below 1.
QString Pad(int n);

// v right-aligned in 10 columns behind asterisks. A longer amount is printed
// whole and runs past the edge: cutting its first digits would print another amount.
QString Stars10(const QString& v);

// v behind as many asterisks as fill n columns; v alone when it fills them.
QString StarsTo(int n, const QString& v);

// The last 2 characters of "00" + v: a row number in two columns.
QString Two(const QString& v);

// s centred on a line of `half` * 2 columns: (half - floor(length / 2)) spaces, then s.
QString CentredOn(int half, const QString& s);

}  // namespace zelkor
