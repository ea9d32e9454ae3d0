// Times the record forms on a large sample library (build/bin/zelkor-demo PATH
// --scale 100: 100,000 items, 20,000 members), offscreen:
//
//   build/bin/bench_records PATH [repeats]
//
// Each form from its construction until its grid is filled and painted, then the
// parts of that (the list statement alone, every value read, the statement filling a GridData), a
// search in the search field, and a save of an existing record while another row is
// selected. The library is copied first: the saves write, and opening it adds the
// indexes of this build's schema.
#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "bench_args.h"
#include "bench_library.h"
#include "bench_timing.h"
#include "collection/item_form.h"
#include "collection/member_form.h"
#include "db/row_sinks.h"
#include "quiet_services.h"
#include "ui/qt_services.h"

using namespace zelkor;

namespace {

void ShowAndPaint(QWidget& w) {
    w.show();
    w.repaint();
    QApplication::processEvents();
}

// The parts of an open, then the whole, then searches and a save in the open form.
template <class Form>
void MeasureForm(AppContext& ctx, const char* name, const QString& listSql, const QStringList& searches,
                 const QString& code, int repeats, std::vector<bench::Timing>& out) {
    const std::string n(name);
    out.push_back(bench::Measure(n + ": list statement alone", repeats, [&] {
        int rows = 0;
        ctx.run(listSql, {}, [&](const DbRow&) { ++rows; });
        return rows;
    }));
    // Reading the rows: every value's text taken from SQLite, as filling a grid must.
    out.push_back(bench::Measure(n + ": list statement, every value read", repeats, [&] {
        int rows = 0;
        std::size_t bytes = 0;
        ctx.run(listSql, {}, [&](const DbRow& row) {
            ++rows;
            for (int i = 0; i < row.columnCount(); ++i) bytes += static_cast<std::size_t>(row.utf8(i).size());
        });
        return bytes > 0 ? rows : 0;
    }));
    out.push_back(bench::Measure(n + ": statement into a GridData", repeats, [&] {
        GridData grid;
        GridData::Batch batch(grid);
        ctx.run(listSql, {}, AppendNumberedRow(grid));
        return grid.rowCount();
    }));
    out.push_back(bench::Measure(n + ": open (filled and painted)", repeats, [&] {
        Form form(ctx);
        form.resize(1280, 700);
        ShowAndPaint(form);
        return form.grid().rowCount();
    }));

    Form form(ctx);
    form.resize(1280, 700);
    ShowAndPaint(form);
    auto* search = form.template findChild<QLineEdit*>(QStringLiteral("search"));
    for (const QString& text : searches) {
        out.push_back(bench::Measure(n + ": search \"" + text.toStdString() + "\"", repeats, [&] {
            search->setText(text);
            QTest::keyClick(search, Qt::Key_Return);
            form.repaint();
            QApplication::processEvents();
            return form.grid().rowCount();
        }));
    }
    // A save of an existing code: the update, and finding its row in the full list.
    search->clear();
    QTest::keyClick(search, Qt::Key_Return);
    form.grid().select(0);
    auto* codeField = form.template findChild<QLineEdit*>(QStringLiteral("code"));
    out.push_back(bench::Measure(n + ": save an existing code (last row)", repeats, [&] {
        codeField->setText(code);
        form.save();
        return form.grid().rowCount();
    }));
}

}  // namespace

int main(int argc, char** argv) {
    if (bench::AnswerHelp(argc, argv, "usage: bench_records [library.db] [repeats]")) return 0;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString source = bench::BenchLibrary(argc, argv);
    if (source.isEmpty()) return 2;
    int repeats = 5;
    for (int i = 2; i < argc; ++i)
        if (argv[i][0] != '-') repeats = std::max(1, atoi(argv[i]));

    QTemporaryDir dir;
    auto db = bench::OpenLibraryCopy(source, dir.path());
    if (!db) return 1;
    // Nobody at the screen: every box is answered at once (and counted).
    struct {
        bench::QuietMessages messages;
        SystemClock clock;
        bench::NoFileDialogs files;
        bench::NoPrinters printers;
    } desk;
    AppContext ctx(std::move(db), AppServices{desk.messages, desk.clock, desk.files, desk.printers});
    ctx.todayText = desk.clock.today().toString(QStringLiteral("yyyy-MM-dd"));

    const QString lastItem = ctx.db().scalar(
        QStringLiteral("select Id from ItemPerpus where Id<>'KUNJUNG' order by rowid desc limit 1"));
    const QString lastMember =
        ctx.db().scalar(QStringLiteral("select Id from Member order by rowid desc limit 1"));
    std::printf("library %s (copied), %d repeats\n", qPrintable(source), repeats);

    std::vector<bench::Timing> figures;
    MeasureForm<ItemForm>(
        ctx, "items",
        QStringLiteral(
            "select Id, NamaItem, Pengarang, HakCipta, Penerbit, ISBN, Denda, JmlStock, HargaRental, Rak "
            "from ItemPerpus"),
        {QStringLiteral("Fisika"), QStringLiteral("BP0123"), QStringLiteral("zzzz"), QStringLiteral("50%")},
        lastItem, repeats, figures);
    MeasureForm<MemberForm>(
        ctx, "members",
        QStringLiteral(
            "select Id, Nama, LP, TmpLahir, TglLahir, Alamat, Kategori, DurasiPinjam, Status from Member"),
        {QStringLiteral("Hasibuan"), QStringLiteral("M0123"), QStringLiteral("zzzz")}, lastMember, repeats,
        figures);

    for (const bench::Timing& f : figures) bench::Print(f);
    std::printf("%d message boxes answered (saves say \"Perubahan data berhasil disimpan..\"; last: %s)\n",
                desk.messages.count(), qPrintable(desk.messages.last()));
    return 0;
}
