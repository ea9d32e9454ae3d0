#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/field.h"
#include "support/files.h"

using zelkor::Field;
using zelkor::ReadLastLine;
using zelkor::test::WriteBytes;

TEST(Field, TableOfCases) {
    struct Case {
        const char* text;
        int n;
        const char* expected;
    } cases[] = {
        {"a;b;c", 1, "a"},     {"a;b;c", 2, "b"},   {"a;b;c", 3, "c"},
        {"a;b;c", 4, "a;b;c"},  // fewer fields: the whole text
        {"p;-;-", 2, "-"},     {"p;;", 3, ""},      {"", 1, ""},
        {";", 2, ""},          {"a;b;c;d", 3, "c"},  // a middle field stops at the next delimiter
    };
    for (const auto& c : cases)
        EXPECT_EQ(Field(QString::fromUtf8(c.text), ';', c.n), QString::fromUtf8(c.expected))
            << c.text << " field " << c.n;
}

TEST(ReadLastLine, LastLineWinsAndMissingFileIsEmpty) {
    QTemporaryDir dir;
    const QString path = dir.filePath("conn.txt");
    WriteBytes(path, "first.db;-;-\nsecond.db;a;b\nthird.db;x;y\n");
    EXPECT_EQ(ReadLastLine(path), "third.db;x;y");
    EXPECT_EQ(ReadLastLine(dir.filePath("missing.txt")), "");

    // Windows line ends and a last line without a newline.
    WriteBytes(path, "a.db;1;2\r\nb.db;3;4");
    EXPECT_EQ(ReadLastLine(path), "b.db;3;4");
}
