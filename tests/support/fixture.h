#pragma once
// The shared test fixture: a real SQLite file built from schema.sql in a
// temporary folder, a fixed clock (2016-03-07 09:05:02), scripted message boxes,
// scripted file dialogs and a recording printer, all in one AppContext.
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

#include "app/app_context.h"
#include "support/test_doubles.h"

namespace zelkor::test {

class TestEnv {
public:
    TestEnv();
    AppContext& ctx() { return *ctx_; }
    Database& db() { return ctx_->db(); }
    QString dir() const { return dir_.path(); }

    // Runs a statement that must work (test data); fails the test otherwise.
    void exec(const QString& sql, const QVariantList& values = {});
    // The first column of the first row.
    QString scalar(const QString& sql, const QVariantList& values = {});
    // All rows, cells joined by "|".
    QStringList rows(const QString& sql, const QVariantList& values = {});

    // Test data helpers.
    void addMember(const QString& id, const QString& nama, const QString& kategori, int durasi = 7,
                   const QString& status = "1", const QString& alamat = "Jl. Mawar 1");
    void addItem(const QString& id, const QString& nama, int denda = 0, int hargaRental = 0,
                 const QString& pengarang = {}, const QString& penerbit = {});
    void addTariff(const QString& kategori, const QString& harga);

    ScriptedMessages messages;
    FixedClock clock;
    ScriptedFileDialogs files;
    RecordingPrinters printers;

private:
    QTemporaryDir dir_;
    std::unique_ptr<AppContext> ctx_;
};

// A fixture class for TEST_F.
class DbTest : public ::testing::Test {
protected:
    TestEnv env;
};

}  // namespace zelkor::test
