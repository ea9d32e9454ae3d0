// Label and card sheets through the real print path: the CUPS queue with the PDF
// printer as the default printer (scripts/start-printer.sh). Each job is read
// back as the program sent it, drawn at 300 dpi and every label or card cut out
// where the layout puts it, so a code that reads back there is in its place.
#include <gtest/gtest.h>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUuid>

#include "labels/barcode.h"
#include "labels/item_labels.h"
#include "labels/member_cards.h"
#include "support/cups_jobs.h"

namespace zelkor {
namespace {

using test::Output;
using test::RunProgram;

constexpr double kDpi = 300;
int Px(double mm) {
    return qRound(mm * kDpi / 25.4);
}

// What zbarimg read in each cut-out file, "TYPE:data" in the order found.
std::map<QString, QStringList> Decode(const QStringList& files) {
    const QString xml = RunProgram("zbarimg", QStringList{"--xml", "-q"} + files).out;
    std::map<QString, QStringList> out;
    QString source;
    static const QRegularExpression tag(
        "<source href='([^']*)'>|<symbol type='([^']*)'[^>]*><data><!\\[CDATA\\[(.*?)\\]\\]></data>",
        QRegularExpression::DotMatchesEverythingOption);
    for (auto m = tag.globalMatch(xml); m.hasNext();) {
        const auto hit = m.next();
        if (!hit.captured(1).isEmpty())
            source = hit.captured(1);
        else
            out[source] << hit.captured(2) + ":" + hit.captured(3);
    }
    return out;
}

class SheetsOnCups : public ::testing::Test {
  protected:
    void SetUp() override {
        const QString why = test::CupsMissing();
        if (!why.isEmpty()) GTEST_SKIP() << why.toStdString();
        if (!test::RunTool("zbarimg", {"--version"})) GTEST_SKIP() << "zbarimg (zbar-tools) is missing";
        token_ = QUuid::createUuid().toString(QUuid::Id128).left(10);
    }

    // Prints the document, finds its job by `token` and draws its pages.
    std::vector<QImage> PrintAndRaster(const SheetDocument& doc, const QString& token) {
        const QSet<QString> before = test::SpoolFiles();
        QString why;
        EXPECT_TRUE(DirectSheetOutput().print(doc, &why)) << why.toStdString();
        const QString job = test::FindJob(before, token);
        EXPECT_FALSE(job.isEmpty()) << "no spooled job holds " << token.toStdString();
        if (job.isEmpty()) return {};
        EXPECT_TRUE(test::RunTool("pdftoppm", {"-r", "300", "-png", job, dir_.filePath("page")}));
        std::vector<QImage> pages;
        for (int p = 1; p <= doc.pages; ++p) {
            QImage img(
                dir_.filePath(QStringLiteral("page-%1.png").arg(p, doc.pages >= 10 ? 2 : 1, 10, QChar('0'))));
            EXPECT_FALSE(img.isNull()) << "page " << p;
            pages.push_back(img.convertToFormat(QImage::Format_Grayscale8));
        }
        return pages;
    }

    // Saves the part of a page under `cell` (in mm) and returns its file.
    QString CutOut(const QImage& page, const MmRect& cell, const QString& name) {
        const QString file = dir_.filePath(name + ".png");
        page.copy(Px(cell.x), Px(cell.y), Px(cell.w), Px(cell.h)).save(file);
        return file;
    }

    QTemporaryDir dir_;
    QString token_;
};

bool Dark(const QImage& img, int x, int y) {
    return qGray(img.pixel(x, y)) < 128;
}

// The bars actually drawn, found from the middle of where the layout puts them:
// the first and last dark pixel across, and the first bar's top and bottom.
void ExpectBarsWithinAMillimetre(const QImage& page, const MmRect& cell, const MmRect& want) {
    const int y = Px(want.y + want.h / 2);
    int left = -1, right = -1;
    for (int x = Px(cell.x); x < Px(cell.x + cell.w); ++x)
        if (Dark(page, x, y)) {
            if (left < 0) left = x;
            right = x;
        }
    ASSERT_GE(left, 0) << "no bars across the middle of the barcode";
    int top = y, bottom = y;
    while (top > 0 && Dark(page, left + 2, top - 1)) --top;
    while (bottom + 1 < page.height() && Dark(page, left + 2, bottom + 1)) ++bottom;
    const double mm = 25.4 / kDpi;
    EXPECT_NEAR(left * mm, want.x, 1.0);
    EXPECT_NEAR((right + 1) * mm, want.x + want.w, 1.0);
    EXPECT_NEAR(top * mm, want.y, 1.0);
    EXPECT_NEAR((bottom + 1) * mm, want.y + want.h, 1.0);
}

TEST_F(SheetsOnCups, EveryLabelReadsBackInItsPlaceOnEachSheet) {
    struct Case {
        SheetLayout sheet;
        int start;
    } cases[] = {
        {StandardSheets()[0], 5},
        {StandardSheets()[1], 1},
        {StandardSheets()[2], 13},  // the last two places, then a second sheet
        {{"Custom", 4, 12, 45.7, 21.2, 9.7, 21.5, 2.6, 0}, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sheet.name);
        LabelRun run;
        run.sheet = c.sheet;
        run.start = c.start;
        run.libraryName = "PERPUSTAKAAN SDN HARAPAN";
        run.items = {{"t" + token_, "Judul yang panjang sekali sampai tidak muat di label", "A-1"},
                     {"B-0001", "Laskar Pelangi", "R 2"},
                     {"ref.2024 a", "Bumi", ""},
                     {"x y-z.9", "Ronggeng Dukuh Paruk", "C.3"},
                     {"Kode-\u00e9", "Tanpa garis", "D"}};
        const LabelSheets sheets = ItemLabelSheets(run);
        EXPECT_EQ(sheets.withoutBars, QStringList{"Kode-\u00e9"});

        const std::vector<QImage> pages = PrintAndRaster(sheets.doc, "t" + token_);
        ASSERT_EQ(int(pages.size()), sheets.doc.pages);
        const std::vector<Placement> places = PlaceLabels(c.sheet, int(run.items.size()), c.start);
        QStringList files;
        for (std::size_t i = 0; i < places.size(); ++i)
            files << CutOut(pages[places[i].page], LabelCell(c.sheet, places[i].position),
                            QStringLiteral("label%1").arg(i));
        const auto read = Decode(files);
        for (std::size_t i = 0; i < places.size(); ++i) {
            const QString& code = run.items[i].code;
            const QStringList want =
                sheets.withoutBars.contains(code) ? QStringList{} : QStringList{"CODE-128:" + code};
            EXPECT_EQ(read.count(files[i]) ? read.at(files[i]) : QStringList{}, want) << code.toStdString();
        }

        const MmRect cell = LabelCell(c.sheet, c.start - 1);
        const BarcodeShape first = EncodeBarcode(Symbology::Code128, run.items[0].code);
        ExpectBarsWithinAMillimetre(pages[0], cell,
                                    LinearSymbolRect(ItemLabelLayout(cell).barcode, first.modules));
    }
}

TEST_F(SheetsOnCups, SpineLabelsCarryTheCodeAsTextWithoutBars) {
    LabelRun run;
    run.kind = LabelKind::Spine;
    run.items = {{"s" + token_, "Judul", "900.1 KOM"}};
    const LabelSheets sheets = ItemLabelSheets(run);
    const std::vector<QImage> pages = PrintAndRaster(sheets.doc, "s" + token_);
    ASSERT_EQ(pages.size(), 1u);
    const QString file = CutOut(pages[0], LabelCell(run.sheet, 0), "spine");
    EXPECT_TRUE(Decode({file}).empty());
}

TEST_F(SheetsOnCups, EveryCardReadsBackAsCode128AndQrInItsPlace) {
    std::vector<MemberCard> cards;
    for (int i = 0; i < 12; ++i)
        cards.push_back(
            {i == 0 ? "m" + token_ : QStringLiteral("M-%1.a %2").arg(i, 3, 10, QChar('0')).arg(i % 3),
             QStringLiteral("Siswa Nomor %1").arg(i), "Kelas 5A", "7"});
    const CardIssuer issuer{"PERPUSTAKAAN SDN HARAPAN", "Jl. Merdeka No. 5", "0211234567", QImage(),
                            "Kartu ini milik perpustakaan. Tunjukkan setiap meminjam."};
    const CardSheets sheets = MemberCardSheets(issuer, cards);
    ASSERT_EQ(sheets.doc.pages, 4);  // two sheets, each with its back

    const std::vector<QImage> pages = PrintAndRaster(sheets.doc, "m" + token_);
    ASSERT_EQ(pages.size(), 4u);
    const SheetLayout s = CardSheet();
    QStringList fronts, backs;
    for (std::size_t i = 0; i < cards.size(); ++i) {
        const int sheet = int(i) / s.perSheet(), pos = int(i) % s.perSheet();
        fronts << CutOut(pages[2 * sheet], LabelCell(s, pos), QStringLiteral("card%1").arg(i));
        backs << CutOut(pages[2 * sheet + 1], LabelCell(s, BackPosition(s, pos)),
                        QStringLiteral("back%1").arg(i));
    }
    const auto read = Decode(fronts + backs);
    for (std::size_t i = 0; i < cards.size(); ++i) {
        QStringList got = read.count(fronts[int(i)]) ? read.at(fronts[int(i)]) : QStringList{};
        got.sort();
        EXPECT_EQ(got, (QStringList{"CODE-128:" + cards[i].number, "QR-Code:" + cards[i].number}));
        EXPECT_EQ(read.count(backs[int(i)]), 0u);
    }
}

}  // namespace
}  // namespace zelkor
