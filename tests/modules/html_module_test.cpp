#include <sys/wait.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cerrno>

#include "module_fixture.h"
#include "reports/grid_export.h"
#include "support/files.h"
#include "ui/grid_data.h"

using namespace zelkor;
using namespace zelkor::test;

namespace {

using HtmlEntry = const char* (*)(const char*, const char*, const char*);

QString readAll(const QString& path) {
    return QString::fromUtf8(ReadBytes(path));
}

struct Word {
    QString text;
    double xMin, xMax;
};

// The page printed to PDF by headless Chromium, read back per page with poppler.
class PrintedPage {
  public:
    explicit PrintedPage(const QString& html) : pdf_(tmp_.filePath("page.pdf")) {
        RunTool(QStandardPaths::findExecutable("chromium"),
                {"--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update", "--disable-sync",
                 "--no-pdf-header-footer", "--user-data-dir=" + tmp_.filePath("profile"),
                 "--print-to-pdf=" + pdf_, "file://" + html});
    }
    int pages() const {
        const auto m = QRegularExpression("Pages:\\s+(\\d+)").match(RunTool("pdfinfo", {pdf_}));
        return m.hasMatch() ? m.captured(1).toInt() : 0;
    }
    QString text(int page) const {
        const QString p = QString::number(page);
        return RunTool("pdftotext", {"-layout", "-f", p, "-l", p, pdf_, "-"});
    }
    // Every word of `page` with its horizontal extent; a word broken across two
    // lines is two words.
    std::vector<Word> words(int page) const {
        const QString p = QString::number(page);
        const QString boxes = RunTool("pdftotext", {"-bbox", "-f", p, "-l", p, pdf_, "-"});
        static const QRegularExpression re(
            R"re(<word xMin="([\d.]+)" yMin="[\d.]+" xMax="([\d.]+)" yMax="[\d.]+">([^<]*)</word>)re");
        std::vector<Word> out;
        for (auto it = re.globalMatch(boxes); it.hasNext();) {
            const auto m = it.next();
            out.push_back(Word{m.captured(3), m.captured(1).toDouble(), m.captured(2).toDouble()});
        }
        return out;
    }
    // The first word of `page` that reads `text`, with its horizontal extent.
    std::optional<Word> word(int page, const QString& text) const {
        for (const Word& w : words(page))
            if (w.text == text.toHtmlEscaped()) return w;
        return std::nullopt;
    }
    // The width of the first page in points.
    double width() const {
        const auto m = QRegularExpression(R"(Page size:\s+([\d.]+) x)").match(RunTool("pdfinfo", {pdf_}));
        return m.hasMatch() ? m.captured(1).toDouble() : 0;
    }

  private:
    QTemporaryDir tmp_;
    QString pdf_;
};

void fillItems(GridData& g, int rows) {
    g.addColumn("No", 40, Align::Right);
    g.addColumn("Kode", 80, Align::Center);
    g.addColumn("Judul <b>", 200, Align::Left);
    g.addColumn("Denda", 80, Align::Right);
    for (int i = 1; i <= rows; ++i)
        g.appendRow({QString::number(i) + ".", "K" + QString::number(i), "Buku " + QString::number(i),
                     QString::number(i * 1500)});
}

using HtmlModuleTest = ModuleTest;

}  // namespace

TEST_F(HtmlModuleTest, PageShowsEveryTextAsTextInChromium) {
    if (QStandardPaths::findExecutable("chromium").isEmpty()) GTEST_SKIP() << "chromium is not installed";
    GridData g;
    fillItems(g, 150);
    g.setCell(0, 2, "<script>alert(1)</script>");
    g.setCell(1, 2, "Jl. Mawar, 12");
    g.setCell(2, 2, "Tom & \"Jerry\" 'x'");
    g.setCell(3, 2, QString::fromUtf8("Zoë Ñandú; Bandung"));

    const auto reply = ReportGridToBrowser(env.ctx(), "LAPORAN DATA ITEM PERPUSTAKAAN", g);
    ASSERT_TRUE(reply);
    const QString path = *reply;
    EXPECT_EQ(QFileInfo(path).dir().absolutePath(), QDir(reportDir()).absolutePath());
    EXPECT_TRUE(QFileInfo(path).fileName().startsWith("LAPORAN_DATA_ITEM_PERPUSTAKAAN_"))
        << path.toStdString();
    EXPECT_EQ(reports(), QStringList({QFileInfo(path).fileName()}));  // nothing half-written beside it
    const QString html = readAll(path);
    EXPECT_FALSE(html.contains("<script")) << "markup from a cell reached the page";
    EXPECT_TRUE(html.contains("&lt;script&gt;alert(1)&lt;/script&gt;"));

    const PrintedPage page(path);
    const int pages = page.pages();
    ASSERT_GE(pages, 2);
    const QString first = page.text(1);
    for (const char* shown : {"Perpus Harapan", "Jl. Merdeka No. 5", "LAPORAN DATA ITEM PERPUSTAKAAN",
                              "Judul <b>", "<script>alert(1)</script>", "Jl. Mawar\u201A 12",
                              "Tom & \"Jerry\" 'x'", "Zoë Ñandú\u037E Bandung", "Jumlah data: 150"})
        EXPECT_TRUE(first.contains(QString::fromUtf8(shown))) << shown << "\n" << first.toStdString();
    // The column headers head every printed page.
    const QString last = page.text(pages);
    EXPECT_TRUE(last.contains("Buku 150"));
    EXPECT_TRUE(last.contains("Judul <b>") && last.contains("Denda")) << last.toStdString();
    EXPECT_FALSE(last.contains("Perpus Harapan"));

    // Alignments from the codes: right columns end together, centred ones share a middle.
    const auto r1 = page.word(1, "1500"), r10 = page.word(1, "15000");
    const auto c1 = page.word(1, "K1"), c10 = page.word(1, "K10");
    const auto l5 = page.word(1, "5"), l10 = page.word(1, "10");
    ASSERT_TRUE(r1 && r10 && c1 && c10 && l5 && l10);
    EXPECT_NEAR(r1->xMax, r10->xMax, 1.0);
    EXPECT_LT(r10->xMin, r1->xMin - 2);
    EXPECT_NEAR((c1->xMin + c1->xMax) / 2, (c10->xMin + c10->xMax) / 2, 1.0);
    EXPECT_LT(c10->xMin, c1->xMin - 1);
    const auto b5 = page.word(1, "Buku");
    ASSERT_TRUE(b5);
    EXPECT_LT(b5->xMax, r1->xMin);  // "Buku 5" starts at the left of its column
}

// A crowded page wraps its lines between words: short words ("PINJAM", "No.")
// stay whole however narrow their column, and only a word too long for any column
// breaks, so it stays on the page.
TEST_F(HtmlModuleTest, WordsBreakOnlyWhenTheyCannotFit) {
    if (QStandardPaths::findExecutable("chromium").isEmpty()) GTEST_SKIP() << "chromium is not installed";
    GridData g;
    g.addColumn("No.", 40);
    g.addColumn("Trans", 60, Align::Center);
    for (int c = 1; c <= 10; ++c) g.addColumn("Keterangan " + QString::number(c), 120);
    const QString remark = "Dikembalikan dalam keadaan baik oleh anggota perpustakaan";
    const QString address = "https://perpustakaan.harapan.sch.id/katalog/" + QString(150, 'x');
    for (int r = 1; r <= 3; ++r) {
        QStringList row = {QString::number(r) + ".", r == 2 ? "RENTAL" : "PINJAM"};
        for (int c = 1; c <= 10; ++c) row << remark;
        if (r == 3) row[11] = address;
        g.appendRow(row);
    }
    const auto reply = ReportGridToBrowser(env.ctx(), "LAPORAN HISTORY TRANSAKSI", g);
    ASSERT_TRUE(reply);
    const PrintedPage page(*reply);
    ASSERT_EQ(page.pages(), 1);
    for (const char* whole :
         {"No.", "Trans", "PINJAM", "RENTAL", "Dikembalikan", "perpustakaan", "Keterangan"})
        EXPECT_TRUE(page.word(1, whole)) << whole << " was broken:\n" << page.text(1).toStdString();
    EXPECT_FALSE(page.word(1, address)) << "the address did not break";
    EXPECT_TRUE(page.text(1).contains("https://perpus")) << page.text(1).toStdString();
    const double width = page.width();
    ASSERT_GT(width, 0);
    for (const Word& w : page.words(1))
        EXPECT_LE(w.xMax, width) << w.text.toStdString() << " runs off the page";
}

TEST_F(HtmlModuleTest, PackageFromAnotherCallerLosesNoText) {
    DirectModule module("exptohtml");
    const auto sData = reinterpret_cast<HtmlEntry>(module.entry());
    ASSERT_TRUE(sData);
    // An address with a ";" and a row with more cells than columns, as a caller
    // that replaces no separators would send them.
    const QString path = QString::fromUtf8(sData("Daftar;Perpus;Jl. A; No. 5;lr", "A;B", "x,a,b;y"));
    const QString html = readAll(path);
    EXPECT_TRUE(html.contains("<div class=\"addr\">Jl. A; No. 5</div>"));
    EXPECT_TRUE(html.contains("<tr><td>x</td><td>a,b</td></tr>\n<tr><td>y</td><td></td></tr>"));
    // No texts at all still gives a page.
    EXPECT_FALSE(QString::fromUtf8(sData(nullptr, nullptr, nullptr)).isEmpty());
    EXPECT_EQ(reports().size(), 2);
}

// Both modules, the page's and the workbook's.
TEST_F(HtmlModuleTest, UnwritableFolderGivesAnEmptyReply) {
    WriteBytes(reportDir(), {});  // a file where the folder should be
    GridData g;
    fillItems(g, 2);
    EXPECT_EQ(ReportGridToBrowser(env.ctx(), "LAPORAN", g), QString());
    env.ctx().exportGrid = &g;
    EXPECT_EQ(ExportGridToSpreadsheet(env.ctx()), QString());
    EXPECT_TRUE(env.messages.shown.empty());
}

TEST_F(HtmlModuleTest, OpensThePageWithoutWaitingForTheBrowser) {
    QTemporaryDir bin;
    FakeOpener opener(bin.path());
    GridData g;
    fillItems(g, 2);
    const auto reply = ReportGridToBrowser(env.ctx(), "LAPORAN", g);
    ASSERT_TRUE(reply && !reply->isEmpty());
    EXPECT_FALSE(opener.finished()) << "the export waited for the browser";
    int status = 0;
    EXPECT_EQ(waitpid(-1, &status, WNOHANG), -1) << "a child was left to reap";
    EXPECT_EQ(opener.openedPath(), *reply);
    EXPECT_TRUE(env.messages.shown.empty());  // the browser shows where it went
}

// Nothing opens the files: the operator is told where they are. Two pages of the
// same second keep a file each.
TEST_F(HtmlModuleTest, UnopenedExportsSayWhereTheFileWent) {
    GridData g;
    fillItems(g, 2);
    env.ctx().exportGrid = &g;
    const auto page = ReportGridToBrowser(env.ctx(), "LAPORAN", g);
    const auto again = ReportGridToBrowser(env.ctx(), "LAPORAN", g);
    const auto sheet = ExportGridToSpreadsheet(env.ctx());
    ASSERT_TRUE(page && again && sheet);
    EXPECT_NE(*page, *again);
    EXPECT_EQ(reports().size(), 3);
    EXPECT_EQ(env.messages.texts(),
              QStringList({"File tersimpan di " + *page + ", silahkan dibuka dari sana..",
                           "File tersimpan di " + *again + ", silahkan dibuka dari sana..",
                           "File tersimpan di " + *sheet + ", silahkan dibuka dari sana.."}));
}
