// Times the record forms on a large sample library (build/bin/zelkor-demo PATH
// --scale 100: 100,000 items, 20,000 members), offscreen:
//
//   build/bin/bench_records PATH [repeats]
//
// Each form from its construction until its grid is filled and painted, then the
// parts of that (the list statement alone, the statement filling a GridData), a
// search in the search field, and a save of an existing record while another row is
// selected. The library is copied first: the saves write, and opening it adds the
// indexes of this build's schema.
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "bench_library.h"
#include "collection/item_form.h"
#include "collection/member_form.h"
#include "db/library_file.h"
#include "db/row_sinks.h"
#include "quiet_services.h"
#include "ui/qt_services.h"

using namespace zelkor;

namespace {

// Wall time, and the processor time of this thread: on a machine shared with other
// work the second is the fairer figure.
struct Figure {
    std::string what;
    std::vector<double> ms, cpuMs;
    int rows = 0;
};

double ThreadCpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

Figure Measure(const std::string& what, int repeats, const std::function<int()>& once) {
    Figure f{what, {}, {}, 0};
    for (int i = 0; i < repeats; ++i) {
        QElapsedTimer t;
        t.start();
        const double cpu = ThreadCpuMs();
        f.rows = once();
        f.cpuMs.push_back(ThreadCpuMs() - cpu);
        f.ms.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
    }
    return f;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void Print(const Figure& f) {
    std::printf("%-44s %7d rows  wall: first %6.1f median %6.1f ms   cpu: median %6.1f min %6.1f ms\n",
                f.what.c_str(), f.rows, f.ms.front(), Median(f.ms), Median(f.cpuMs),
                *std::min_element(f.cpuMs.begin(), f.cpuMs.end()));
}

void ShowAndPaint(QWidget& w) {
    w.show();
    w.repaint();
    QApplication::processEvents();
}

// The parts of an open, then the whole, then searches and a save in the open form.
template <class Form>
void MeasureForm(AppContext& ctx, const char* name, const QString& listSql, const QStringList& searches,
                 const QString& code, int repeats, std::vector<Figure>& out) {
    const std::string n(name);
    out.push_back(Measure(n + ": list statement alone", repeats, [&] {
        int rows = 0;
        ctx.run(listSql, {}, [&](const DbRow&) { ++rows; });
        return rows;
    }));
    out.push_back(Measure(n + ": statement into a GridData", repeats, [&] {
        GridData grid;
        GridData::Batch batch(grid);
        ctx.run(listSql, {}, AppendNumberedRow(grid));
        return grid.rowCount();
    }));
    out.push_back(Measure(n + ": open (filled and painted)", repeats, [&] {
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
        out.push_back(Measure(n + ": search \"" + text.toStdString() + "\"", repeats, [&] {
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
    out.push_back(Measure(n + ": save an existing code (last row)", repeats, [&] {
        codeField->setText(code);
        form.save();
        return form.grid().rowCount();
    }));
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString source = bench::BenchLibrary(argc, argv);
    if (source.isEmpty()) return 2;
    int repeats = 5;
    for (int i = 2; i < argc; ++i)
        if (argv[i][0] != '-') repeats = std::max(1, atoi(argv[i]));

    QTemporaryDir dir;
    const QString path = bench::CopyLibrary(source, dir.path());
    if (path.isEmpty()) return 1;
    QString error;
    auto db = OpenLibrary(path, &error);
    if (!db) {
        std::fprintf(stderr, "cannot open %s: %s\n", qPrintable(path), qPrintable(error));
        return 1;
    }
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

    std::vector<Figure> figures;
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

    for (const Figure& f : figures) Print(f);
    std::printf("%d message boxes answered (saves say \"Perubahan data berhasil disimpan..\"; last: %s)\n",
                desk.messages.count(), qPrintable(desk.messages.last()));
    return 0;
}
