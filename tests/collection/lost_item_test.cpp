// "Form Pelaporan Item Hilang": a loss report and the stock it takes, written
// together or not at all, the reasons a report is refused, the codes of reports in
// one second, the item list and its detail panel, and the command that opens it.
#include <gtest/gtest.h>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include "collection/grid_follower.h"
#include "collection/lost_item_form.h"
#include "collection/lost_item_report.h"
#include "program/main_window.h"
#include "record_driver.h"
#include "support/modal.h"
#include "ui/date_field.h"
#include "ui/grid_view.h"

using namespace zelkor;
using namespace zelkor::test;

namespace {

const QString kReportSaved = "Entry Data..: Data berhasil disimpan..";
const QString kReportMissing = "Entry Data..: Gagal menyimpan, beberapa kolom belum terisi..";

class LostItemTest : public DbTest {
  protected:
    void SetUp() override {
        AddItemRow(env, {"B01", "Laskar Pelangi", "Andrea Hirata", "2005", "Bentang", "978-1", "500", "5",
                         "0", "A1"});
        AddItemRow(
            env, {"B02", "Fisika Dasar", "Halliday", "1999", "Erlangga", "978-2", "1000", "2", "5000", "B2"});
        env.addTariff("Umum", "1500");
        form = std::make_unique<LostItemForm>(env.ctx());
        ShowActive(*form);
    }
    QLineEdit* field(const char* name) { return form->findChild<QLineEdit*>(name); }
    GridView* list() { return form->findChild<GridView*>("records"); }
    void type(const char* name, const QString& text) {
        field(name)->clear();
        QTest::keyClicks(field(name), text);
    }
    void fill(const QString& code, const QString& count, const QString& reporter,
              const QString& remark = {}) {
        for (int r = 0; r < form->items().rowCount(); ++r)
            if (form->items().cell(r, 1) == code) form->items().select(r);
        type("count", count);
        type("reporter", reporter);
        type("remark", remark);
    }
    void press(const char* button) { form->findChild<QPushButton*>(button)->click(); }
    QStringList told() {
        const QStringList out = Told(env);
        env.messages.clear();
        return out;
    }
    QString stock(const QString& code) {
        return env.scalar("select JmlStock from ItemPerpus where Id=?", {code});
    }
    QStringList panel() {
        QStringList out;
        for (int r = 0; r < form->details().rowCount(); ++r)
            out << form->details().cell(r, 0) + "=" + form->details().cell(r, 1);
        return out;
    }
    std::unique_ptr<LostItemForm> form;
};

}  // namespace

TEST_F(LostItemTest, AReportTakesTheCopiesOutOfStockAndKeepsDateAndReporter) {
    // Every item but the visit tariffs, numbered, with the stock held.
    EXPECT_EQ(form->items().rowCount(), 2);
    EXPECT_EQ(form->items().row(1).join('|'),
              "2.|B02|Fisika Dasar|Halliday|1999|Erlangga|978-2|1000|2|5000|B2");

    form->findChild<DateField*>("date")->setDate(QDate(2016, 3, 5));
    fill("B01", "2", "budi santoso", "Hilang saat dipinjam Jum'at");
    EXPECT_EQ(field("reporter")->text(), "BUDI SANTOSO");  // capitals as typed
    press("report");
    EXPECT_EQ(told(), QStringList({kReportSaved}));
    EXPECT_EQ(
        env.rows("select Id, Tgl, IdItemPerpus, Jumlah, Pelapor, Keterangan, Ops from ItemHilang"),
        QStringList({"20160307090502|2016-03-05|B01|2|BUDI SANTOSO|Hilang saat dipinjam Jum'at|admin"}));
    EXPECT_EQ(stock("B01"), "3");
    // The list and the panel show the stock as it now is.
    EXPECT_EQ(form->items().cell(0, 8), "3");
    EXPECT_EQ(panel().value(7), "Stock=3");
    // Ready for the next report of the same day and reporter.
    EXPECT_EQ(field("count")->text(), "");
    EXPECT_EQ(field("remark")->text(), "");
    EXPECT_EQ(field("reporter")->text(), "BUDI SANTOSO");
    EXPECT_EQ(form->findChild<DateField*>("date")->date(), QDate(2016, 3, 5));
}

// What a report leaves: the stock after it, or the reason and nothing written. Only
// copies on the shelf (the stock less those still lent out) can be reported lost.
TEST_F(LostItemTest, WhatAReportDoesWithTheStockItFinds) {
    struct Case {
        const char* what;
        QString stock, count, reporter;
        QString after;  // the stock stored afterwards
        QString told;
        int lent = 0;  // copies still out
    };
    const QString badCount = "Entry Data..: Gagal menyimpan, Jumlah Item harus berupa angka lebih dari 0..";
    const QString notNumber =
        "Entry Data..: Gagal menyimpan, Stock item ini bukan angka, perbaiki dulu di Data Item "
        "Perpustakaan..";
    const auto above = [](int onShelf) {
        return "Entry Data..: Gagal menyimpan, Jumlah Item melebihi eksemplar yang ada di rak (tersedia " +
               QString::number(onShelf) + ")..";
    };
    const std::vector<Case> cases = {
        {"the whole shelf", "5", "5", "ANI", "0", kReportSaved},
        {"more than the stock", "20", "25", "ANI", "20", above(20)},
        {"a negative stock has none", "-3", "1", "ANI", "-3", above(0)},
        {"an empty stock has none", "", "2", "ANI", "", above(0)},
        {"copies lent out are not on the shelf", "5", "4", "ANI", "5", above(3), 2},
        {"the copies left on the shelf", "5", "3", "ANI", "2", kReportSaved, 2},
        {"leading zeros", "007", "002", "ANI", "5", kReportSaved},
        {"a whole number with a point", "7.0", "2", "ANI", "5", kReportSaved},
        {"the largest count", "999999999999999", "999999999999", "ANI", "999000000000000", kReportSaved},
        {"no count", "5", "", "ANI", "5", kReportMissing},
        {"no reporter", "5", "2", "", "5", kReportMissing},
        {"a count of 0", "5", "000", "ANI", "5", badCount},
        {"a stock of letters", "lima", "2", "ANI", "lima", notNumber},
        {"a stock with a fraction", "2.5", "2", "ANI", "2.5", notNumber},
        {"a stock of 16 digits", "1234567890123456", "2", "ANI", "1234567890123456", notNumber},
    };
    int written = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        env.exec("update ItemPerpus set JmlStock=? where Id='B01'", {c.stock});
        env.exec("delete from TransPerpus");
        AddMovementRow(env, "T0", "M01", "PINJAM", "B01", "1");  // returned long ago
        for (int i = 1; i <= c.lent; ++i)
            AddMovementRow(env, "T" + QString::number(i), "M01", "PINJAM", "B01");
        env.clock.advance(1);
        fill("B01", c.count, c.reporter);
        press("report");
        EXPECT_EQ(told(), QStringList({c.told}));
        EXPECT_EQ(stock("B01"), c.after);
        if (c.told == kReportSaved) ++written;
        EXPECT_EQ(env.scalar("select count(*) from ItemHilang"), QString::number(written));
        if (c.told != kReportSaved) {
            EXPECT_EQ(field("count")->text(), c.count);  // nothing typed is lost
        }
    }
    // The field itself takes twelve digits at the most, and digits only.
    type("count", "12a34567890123");
    EXPECT_EQ(field("count")->text(), "123456789012");
}

// The stock step failing, or finding other than one item, leaves no report behind.
TEST_F(LostItemTest, NoReportIsLeftWithoutItsStockChange) {
    struct Case {
        const char* what;
        QStringList setup;
        QString told;
    };
    const std::vector<Case> cases = {
        {"the stock update fails",
         {"create trigger Kunci before update on ItemPerpus begin select raise(abort, 'stock dikunci'); end"},
         "Info: SQL error: stock dikunci"},
        {"the item is gone",
         {"delete from ItemPerpus where Id='B01'"},
         "Entry Data..: Gagal menyimpan, data dengan kode ini tidak ditemukan.."},
        {"two items share the code",
         {"drop index ItemPerpus_Id_unique", "insert into ItemPerpus (Id, JmlStock) values ('B01', '9')"},
         "Entry Data..: Gagal menyimpan, kode ini dipakai oleh lebih dari satu data.."},
        {"the report table refuses it",
         {"create trigger Tolak before insert on ItemHilang begin select raise(abort, 'ditolak'); end"},
         "Info: SQL error: ditolak"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestEnv fresh;
        AddItemRow(fresh, {"B01", "Laskar Pelangi", "", "", "", "", "", "5", "", ""});
        LostItemForm f(fresh.ctx());
        f.items().select(0);
        for (const QString& sql : c.setup) fresh.exec(sql);
        const QStringList stocks = fresh.rows("select JmlStock from ItemPerpus order by rowid");
        f.findChild<QLineEdit*>("count")->setText("2");
        f.findChild<QLineEdit*>("reporter")->setText("ANI");
        f.report();
        EXPECT_EQ(Told(fresh), QStringList{c.told});
        EXPECT_EQ(fresh.scalar("select count(*) from ItemHilang"), "0");
        EXPECT_EQ(fresh.rows("select JmlStock from ItemPerpus order by rowid"), stocks);
        EXPECT_EQ(f.findChild<QLineEdit*>("count")->text(), "2");
    }
}

// A report in the same second as another takes the next free second: written whole,
// in order, with the 14 digits of a time stamp.
TEST_F(LostItemTest, ReportsWithinOneSecondTakeTheNextFreeCodes) {
    env.exec("insert into ItemHilang (Id, IdItemPerpus, Jumlah) values ('20160307090503', 'B02', '1')");
    for (const char* item : {"B01", "B02", "B01"}) {
        fill(item, "1", "ANI");
        press("report");
        EXPECT_EQ(told(), QStringList({kReportSaved}));
    }
    EXPECT_EQ(env.rows("select Id, IdItemPerpus from ItemHilang order by Id"),
              QStringList(
                  {"20160307090502|B01", "20160307090503|B02", "20160307090504|B02", "20160307090505|B01"}));
    EXPECT_EQ(stock("B01"), "3");
    EXPECT_EQ(stock("B02"), "1");
}

TEST_F(LostItemTest, ThePanelFollowsTheListByKeyboardAndMouse) {
    EXPECT_TRUE(field("search")->hasFocus());
    EXPECT_EQ(panel().value(0), "Id=");
    QTest::keyClick(field("search"), Qt::Key_Down);
    EXPECT_TRUE(list()->hasFocus());
    EXPECT_EQ(panel(), QStringList({"Id=B01", "Nama Item=Laskar Pelangi", "Pengarang=Andrea Hirata",
                                    "Hak Cipta=2005", "Penerbit=Bentang", "ISBN=978-1", "Nilai Denda=500",
                                    "Stock=5", "Hrg. Rental=0", "Rak=A1"}));
    QTest::keyClick(list(), Qt::Key_Down);
    EXPECT_EQ(panel().value(0), "Id=B02");

    // The mouse over the list arms the follow timer; over the background it stops.
    auto move = [](QWidget* w) {
        QMouseEvent e(QEvent::MouseMove, QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    };
    move(list()->viewport());
    EXPECT_TRUE(form->follower()->armed());
    move(form->findChild<QWidget*>("background"));
    EXPECT_FALSE(form->follower()->armed());
    EXPECT_EQ(env.ctx().gridFollowFlag, 0);
    // What the panel shows is still the item a report is about.
    EXPECT_EQ(panel().value(0), "Id=B02");

    // A search leaves no item chosen, nor in the panel, and a report needs one.
    fill("B02", "2", "ANI");
    field("search")->setText("Fisika");
    QTest::keyClick(field("search"), Qt::Key_Return);
    EXPECT_EQ(panel().value(0), "Id=");
    press("report");
    EXPECT_EQ(told(), QStringList({kReportMissing}));
    EXPECT_EQ(env.scalar("select count(*) from ItemHilang"), "0");
}

// Tab leaves the date picker at once instead of walking into its month and day,
// where typing meant for the reporter changed the date; Enter in a field reports
// nothing.
TEST_F(LostItemTest, TabLeavesTheDateAndEnterReportsNothing) {
    form->findChild<DateField*>("date")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), "12");
    EXPECT_EQ(form->findChild<DateField*>("date")->date(), QDate(2016, 3, 7));
    EXPECT_EQ(field("reporter")->text(), "12");
    fill("B01", "2", "ANI");
    QTest::keyClick(field("remark"), Qt::Key_Return);
    EXPECT_TRUE(env.messages.shown.empty());
    EXPECT_EQ(env.scalar("select count(*) from ItemHilang"), "0");
    EXPECT_TRUE(form->isVisible());
}

// The mouse reaches every control: none lies under the background box.
TEST_F(LostItemTest, EveryControlTakesTheMouse) {
    for (const char* name :
         {"search", "records", "details", "date", "reporter", "count", "remark", "report", "done"}) {
        SCOPED_TRACE(name);
        auto* control = form->findChild<QWidget*>(name);
        QWidget* under = form->childAt(control->geometry().center());
        EXPECT_TRUE(under == control || control->isAncestorOf(under));
    }
    // A click on a row chooses it, and the panel shows it.
    const QPoint row = list()->visualRect(list()->model()->index(1, 2)).center();
    QTest::mouseClick(form->childAt(list()->viewport()->mapTo(form.get(), row)), Qt::LeftButton, {}, row);
    EXPECT_EQ(panel().value(0), "Id=B02");
}

TEST(LostItemWindowTest, ItemHilangOpensTheFormModallyAndSelesaiClosesIt) {
    TestEnv env;
    AddItemRow(env, {"B01", "Laskar Pelangi", "", "", "", "", "", "5", "", ""});
    MainWindow window(env.ctx());
    window.show();
    bool seen = false;
    WhenModal<LostItemForm>([&](LostItemForm* f) {
        seen = f->isModal() && f->items().rowCount() == 1;
        f->findChild<QPushButton*>("done")->click();
    });
    window.runCommand(cmd::LostItems);
    EXPECT_TRUE(seen);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}
