#pragma once
#include <QString>

namespace zelkor {

class Database;
struct DbResult;

// The text of schema.sql, built into the program.
QString SchemaSql();

// Creates the tables and indexes that are missing; harmless on a full database.
DbResult ApplySchema(Database& db);

}  // namespace zelkor
