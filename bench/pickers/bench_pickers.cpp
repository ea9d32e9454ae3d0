// Times each circulation dialog from its construction until its grid is filled and
// shown, over a large sample library (build/bin/zelkor-demo PATH --scale 100), with
// the dialogs over a real desk as the operator opens them. Offscreen; reads only.
//
//   build/bin/bench_pickers [library.db] [--repeats N]
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "bench_args.h"
#include "bench_library.h"
#include "circulation/borrow_picker.h"
#include "circulation/desk_form.h"
#include "circulation/member_browser.h"
#include "circulation/picker_queries.h"
#include "circulation/rental_picker.h"
#include "circulation/return_list.h"
#include "quiet_services.h"
#include "ui/qt_services.h"

using namespace zelkor;

namespace {

struct Figure {
    std::string what;
    std::vector<double> ms;
    int rows = 0;
};

// Runs `once` `repeats` times; `once` returns the rows shown.
Figure Measure(const std::string& what, int repeats, const std::function<int()>& once) {
    Figure f{what, {}, 0};
    for (int i = 0; i < repeats; ++i) {
        QElapsedTimer t;
        t.start();
        f.rows = once();
        f.ms.push_back(t.nsecsElapsed() / 1e6);
    }
    return f;
}

void Print(const Figure& f) {
    std::vector<double> sorted = f.ms;
    std::sort(sorted.begin(), sorted.end());
    std::printf("%-52s %8d rows  first %8.1f ms  median %8.1f ms  min %8.1f ms\n", f.what.c_str(), f.rows,
                f.ms.front(), sorted[sorted.size() / 2], sorted.front());
}

// Shown and painted, as the operator first sees it.
void ShowAndPaint(QWidget& w) {
    w.show();
    w.repaint();
    QApplication::processEvents();
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bench::BenchArgs args(argc, argv, "usage: bench_pickers [library.db] [--repeats N]", {"--repeats"});
    const int repeats = args.number("--repeats", 5, 1, 10000);
    if (!args.ok()) return 2;
    const QString path = bench::BenchLibrary(args.path());
    if (path.isEmpty()) return 1;
    // A copy, as the program opens a library: the columns and indexes of this
    // build's schema added (the return list reads the items' Jenis).
    QTemporaryDir dir;
    auto db = bench::OpenLibraryCopy(path, dir.path());
    if (!db) return 1;
    // SQL errors and hints are counted and printed, never shown.
    bench::QuietMessages messages(bench::QuietMessages::Echo::Yes);
    SystemClock clock;
    bench::NoFileDialogs files;
    bench::NoPrinters printers;
    AppContext ctx(std::move(db), AppServices{messages, clock, files, printers});
    ctx.todayText = clock.today().toString(QStringLiteral("yyyy-MM-dd"));
    ctx.currentOperator = QStringLiteral("admin");

    // The member with the most items still out, and the largest category.
    const QString busiest = ctx.db().scalar(
        QStringLiteral("select IdMember from TransPerpus where Status<1 and KodeTrans<>'KUNJUNG' "
                       "group by IdMember order by count(*) desc limit 1"));
    const QString largest = ctx.db().scalar(
        QStringLiteral("select Kategori from Member group by Kategori order by count(*) desc limit 1"));
    const QString someone =
        ctx.db().scalar(QStringLiteral("select Id from Member where Status>0 limit 1 offset 500"));

    if (busiest.isEmpty() || largest.isEmpty() || someone.isEmpty()) {
        std::fprintf(stderr, "%s holds too few members and movements; use a sample library (zelkor-demo)\n",
                     qPrintable(path));
        return 1;
    }

    DeskForm desk(ctx);
    desk.show();
    desk.setMemberNumber(busiest);
    std::printf("library %s, today %s, member %s, category %s, %d repeats\n", qPrintable(path),
                qPrintable(ctx.todayText), qPrintable(busiest), qPrintable(largest), repeats);

    std::vector<Figure> figures;
    // The floors: each picker's statement alone, its rows read and dropped.
    const auto statementAlone = [&](const std::string& what, const BoundStatement& s) {
        figures.push_back(Measure("floor: " + what + " statement alone", repeats, [&] {
            int rows = 0;
            ctx.db().exec(s.sql, s.values, [&](const DbRow&) { ++rows; });
            return rows;
        }));
    };
    statementAlone("rental picker", RentalItemsStatement());
    figures.push_back(Measure("rental picker: open (all items for rent)", repeats, [&] {
        RentalPicker p(desk);
        ShowAndPaint(p);
        return p.items().rowCount();
    }));
    statementAlone("borrow picker", LendableItemsStatement());
    figures.push_back(Measure("borrow picker: open (all items for lending)", repeats, [&] {
        BorrowPicker p(desk);
        ShowAndPaint(p);
        return p.items().rowCount();
    }));
    {
        BorrowPicker p(desk);
        ShowAndPaint(p);
        auto* search = p.findChild<QLineEdit*>(QStringLiteral("search"));
        for (const char* text : {"a", "Matematika", "zzzz"}) {
            statementAlone(std::string("borrow picker search \"") + text + "\"",
                           LendableItemsStatement(QString::fromLatin1(text)));
            const QByteArray what = QByteArray("borrow picker: search \"") + text + "\"";
            figures.push_back(Measure(what.toStdString(), repeats, [&] {
                search->setText(QString::fromLatin1(text));
                p.search();
                p.repaint();
                QApplication::processEvents();
                return p.items().rowCount();
            }));
        }
    }
    figures.push_back(Measure("member browser: open (category tree)", repeats, [&] {
        MemberBrowser b(desk);
        ShowAndPaint(b);
        return b.tree()->topLevelItemCount() > 0 ? b.tree()->topLevelItem(0)->childCount() : 0;
    }));
    {
        MemberBrowser b(desk);
        ShowAndPaint(b);
        QTreeWidgetItem* node = b.tree()->findItems(largest, Qt::MatchExactly | Qt::MatchRecursive).value(0);
        figures.push_back(Measure("member browser: select the largest category", repeats, [&] {
            b.tree()->clearSelection();
            if (node) node->setSelected(true);
            b.repaint();
            QApplication::processEvents();
            return b.members().rowCount();
        }));
        auto* search = b.findChild<QLineEdit*>(QStringLiteral("search"));
        figures.push_back(Measure("member browser: search by number", repeats, [&] {
            search->setText(someone);
            b.search();
            b.repaint();
            QApplication::processEvents();
            return b.members().rowCount();
        }));
    }
    figures.push_back(Measure("return list: open (busiest member)", repeats, [&] {
        ReturnList r(desk);
        ShowAndPaint(r);
        return r.movements().rowCount();
    }));
    desk.setMemberNumber(someone);
    figures.push_back(Measure("return list: open (an ordinary member)", repeats, [&] {
        ReturnList r(desk);
        ShowAndPaint(r);
        return r.movements().rowCount();
    }));

    for (const Figure& f : figures) Print(f);
    if (messages.count() > 0) std::printf("%d messages were shown (see above)\n", messages.count());
    return messages.count() > 0 ? 1 : 0;
}
