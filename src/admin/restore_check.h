#pragma once
// What a file must be to become the library by a restore. A backup may come
// from anywhere: its data is taken, nothing else of it is trusted.
#include <QString>

namespace zelkor {

class Database;

// Why the database `source` cannot become the library ("" when it can): its text
// is not UTF-8, one of the six tables is missing, is no plain table or lacks a
// column the program reads, or no account is left that can log in. Whether its
// pages are sound is LibraryProblem's quick check (library_file.h).
QString RestoreProblem(Database& source);

}  // namespace zelkor
