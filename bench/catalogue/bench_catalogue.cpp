// Times catalogue searches on a large sample library (build/bin/zelkor-demo PATH
// --scale 100: 100,000 items, 1,000,000 movements of which about 100,000 are not
// yet returned), offscreen:
//
//   build/bin/bench_catalogue [LIBRARY] [--repeats N]
//
// For searches from one matching every item (ten grid rows each) down to one
// matching none: the statement alone, the statement into the found items and the
// lines of their blocks (the form makes a line's text when it is shown), every
// block with its text (what an export gets), and the form from Enter in "Cari" to
// the painted grid. Then the broadest search with
// the open movements counted three ways, which is why the catalogue counts them
// per item in the index of open movements. The library is copied first: opening it
// adds the indexes of this build's schema.
#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>

#include "app/app_context.h"
#include "bench_args.h"
#include "bench_library.h"
#include "bench_timing.h"
#include "collection/catalogue_blocks.h"
#include "collection/catalogue_form.h"
#include "collection/record_queries.h"
#include "quiet_services.h"
#include "ui/grid_data.h"
#include "ui/qt_services.h"

using namespace zelkor;
using bench::Measure;
using bench::Timing;

namespace {

int StatementAlone(AppContext& ctx, const Statement& s) {
    int rows = 0;
    ctx.run(s.sql, s.values, [&](const DbRow& row) {
        for (int i = 0; i < row.columnCount(); ++i) (void)row.text(i);
        ++rows;
    });
    return rows;
}

// The statement into the found items and the lines of their blocks, as the form
// fills its grid.
int IntoBlocks(AppContext& ctx, const Statement& s) {
    GridData lines;
    CatalogueItems items;
    GridData::Batch batch(lines);
    ctx.run(s.sql, s.values, items.collect(lines));
    return lines.rowCount();
}

// Every block with its text, as an export gets them.
int AllBlocks(AppContext& ctx, const Statement& s) {
    GridData lines, blocks;
    CatalogueItems items;
    ctx.run(s.sql, s.values, items.collect(lines));
    items.writeBlocks(blocks);
    return blocks.rowCount();
}

// The broadest search with the open movements counted another way.
Statement WithStock(const QString& stock, const QString& from, const QString& text) {
    const QString select =
        QStringLiteral(
            "select Id, NamaItem, Pengarang, Penerbit, ISBN, Denda, %1 As Stock, HargaRental, "
            "Rak from ")
            .arg(stock) +
        from;
    return SearchStatement(select, CatalogueSearched(), text, kItemsOnly);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bench::BenchArgs args(argc, argv, "usage: bench_catalogue [library.db] [--repeats N]", {"--repeats"});
    const int repeats = args.number("--repeats", 5, 1, 1000);
    if (!args.ok()) return 2;
    const QString source = bench::BenchLibrary(args.path());
    if (source.isEmpty()) return 1;
    QTemporaryDir dir;
    auto db = bench::OpenLibraryCopy(source, dir.path());
    if (!db) return 1;
    struct {
        bench::QuietMessages messages{bench::QuietMessages::Echo::Yes};  // a box here means a fault
        SystemClock clock;
        bench::NoFileDialogs files;
        bench::NoPrinters printers;
    } desk;
    AppContext ctx(std::move(db), AppServices{desk.messages, desk.clock, desk.files, desk.printers});

    const QString someCode = ctx.db().scalar(
        QStringLiteral("select Id from ItemPerpus where Id<>'KUNJUNG' order by rowid limit 1 offset 50000"));
    std::printf("library %s (copied), %d repeats after one unmeasured run\n", qPrintable(source), repeats);

    CatalogueForm form(ctx);
    form.resize(1280, 700);
    form.show();
    QApplication::processEvents();
    auto* field = form.findChild<QLineEdit*>(QStringLiteral("search"));

    const QStringList searches{
        QString(), QStringLiteral("a"),   QStringLiteral("Kelas"), QStringLiteral("Fisika"),
        someCode,  QStringLiteral("zzzz")};
    for (const QString& text : searches) {
        const Statement s = SearchStatement(CatalogueListSql(), CatalogueSearched(), text, kItemsOnly);
        const std::string name =
            text.isEmpty() ? std::string("(empty: every item)") : "\"" + text.toStdString() + "\"";
        const Timing alone = Measure(
            name + ": statement alone", repeats, [&] { return StatementAlone(ctx, s); }, 1);
        Print(alone);
        const Timing blocks = Measure(
            name + ": statement into the items and lines", repeats, [&] { return IntoBlocks(ctx, s); }, 1);
        Print(blocks);
        Print(Measure(
            name + ": every block with its text (an export)", repeats, [&] { return AllBlocks(ctx, s); }, 1));
        const Timing shown = Measure(
            name + ": form, Enter to painted grid", repeats,
            [&] {
                field->setText(text);
                QTest::keyClick(field, Qt::Key_Return);
                form.repaint();
                QApplication::processEvents();
                return form.grid().rowCount();
            },
            1);
        Print(shown);
        std::printf("  cpu, to the statement alone: into the lines %.2fx, the form %.2fx\n",
                    blocks.medianCpu() / std::max(alone.medianCpu(), 0.001),
                    shown.medianCpu() / std::max(alone.medianCpu(), 0.001));
    }

    std::printf("\nthe open movements of every item (search \"a\"), statement alone:\n");
    const QString a = QStringLiteral("a");
    const QString perItem = QStringLiteral(
        "JmlStock-(Select count(*) from TransPerpus %1 where IdItemPerpus=ItemPerpus.Id And Status<1)");
    const std::vector<std::pair<std::string, Statement>> ways{
        {"per item, index of open movements (the catalogue's)",
         WithStock(perItem.arg(QString()), QStringLiteral("ItemPerpus"), a)},
        {"per item, index of all movements",
         WithStock(perItem.arg(QStringLiteral("indexed by TransPerpus_Item_Status")),
                   QStringLiteral("ItemPerpus"), a)},
        {"grouped once, joined",
         WithStock(
             QStringLiteral("JmlStock-coalesce(o.n,0)"),
             QStringLiteral("ItemPerpus left join (select IdItemPerpus, count(*) as n from TransPerpus "
                            "where Status<1 group by IdItemPerpus) as o on o.IdItemPerpus=ItemPerpus.Id"),
             a)},
        {"no stock at all (the floor)",
         WithStock(QStringLiteral("JmlStock"), QStringLiteral("ItemPerpus"), a)}};
    for (const auto& [name, s] : ways)
        Print(Measure(
            name, repeats, [&] { return StatementAlone(ctx, s); }, 1));
    return 0;
}
