#include <orcus/orcus_xlsx.hpp>
#include <orcus/spreadsheet/document.hpp>
#include <orcus/spreadsheet/factory.hpp>
#include <orcus/zip_archive.hpp>
#include <orcus/zip_archive_stream.hpp>

#include <QDir>
#include <QMap>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <sstream>

#include "module_fixture.h"
#include "reports/grid_export.h"
#include "support/files.h"
#include "ui/grid_data.h"

using namespace zelkor;
using namespace zelkor::test;

namespace {

using XlsEntry = const char* (*)(int, int, const char*);

// Every cell of a workbook as liborcus reads it: "row,col" -> "type:value", for
// example "1,0" -> "numeric:1500" or "0,0" -> "string:\"No.\"".
QMap<QString, QString> ReadCells(const QString& path) {
    orcus::spreadsheet::document doc{orcus::spreadsheet::range_size_t{1048576, 16384}};
    orcus::spreadsheet::import_factory factory{doc};
    orcus::orcus_xlsx reader{&factory};
    reader.read_file(path.toStdString());
    std::ostringstream dump;
    doc.dump_check(dump);
    QMap<QString, QString> cells;
    static const QRegularExpression line(R"(^[^/]+/(\d+)/(\d+):(.*)$)");
    for (const QString& l : QString::fromStdString(dump.str()).split('\n', Qt::SkipEmptyParts)) {
        const auto m = line.match(l);
        if (m.hasMatch()) cells[m.captured(1) + "," + m.captured(2)] = m.captured(3);
    }
    return cells;
}

QString ReadEntry(const QString& path, const char* entry) {
    orcus::zip_archive_stream_fd stream(path.toStdString().c_str());
    orcus::zip_archive zip(&stream);
    zip.load();
    std::vector<unsigned char> buf;
    if (!zip.read_file_entry(entry, buf)) return {};
    return QString::fromUtf8(reinterpret_cast<const char*>(buf.data()), static_cast<qsizetype>(buf.size()));
}

QString str(const char* text) {
    return QString("string:\"%1\"").arg(QString::fromUtf8(text));
}
QString num(const char* value) {
    return QString("numeric:") + value;
}

using XlsModuleTest = ModuleTest;

}  // namespace

TEST_F(XlsModuleTest, WorkbookHoldsNumbersAsNumbersAndEverythingElseAsText) {
    GridData g;
    for (const char* h : {"No.", "ISBN", "Judul", "Kode", "Masuk", "Rumus", "Nilai", "Panjang"})
        g.addColumn(h, 80);
    g.appendRow({"1.", "9786020332956", "Laskar Pelangi", "007", "1.500", "=1+1", "1500.0", "12345678901"});
    g.appendRow({"2.", "978-602-03-3295-6", QString::fromUtf8("Zoë, Ñandú; <b>"), "0", "-250", "=SUM(A1:A2)",
                 "12.5", "123456789012"});
    g.appendRow({"3.", "", "", "", "", "", "", ""});
    g.appendRow({"4.", "  di tengah  ", "a\tb", "07.00.00", "1.000.000", "a\x1b & <c>", "-0", "-1.500"});
    env.ctx().exportGrid = &g;
    const auto reply = ExportGridToSpreadsheet(env.ctx());
    ASSERT_TRUE(reply && !reply->isEmpty());
    EXPECT_EQ(QFileInfo(*reply).dir().absolutePath(), QDir(reportDir()).absolutePath());
    EXPECT_TRUE(QFileInfo(*reply).fileName().endsWith(".xlsx"));
    EXPECT_EQ(reports(), QStringList({QFileInfo(*reply).fileName()}));

    // Row by row from "row,0"; a 13-digit ISBN, a leading zero and a formula's text stay texts.
    const std::vector<QStringList> rows = {
        {str("No."), str("ISBN"), str("Judul"), str("Kode"), str("Masuk"), str("Rumus"), str("Nilai"),
         str("Panjang")},
        {num("1"), str("9786020332956"), str("Laskar Pelangi"), str("007"), num("1500"), str("=1+1"),
         num("1500"), num("12345678901")},
        {num("2"), str("978-602-03-3295-6"), str("Zoë- Ñandú- <b>"), num("0"), num("-250"),
         str("=SUM(A1:A2)"), str("12.5"), str("123456789012")},
        {num("3")},
        // Spaces kept, a code with points stays text, a control character goes out as the
        // spreadsheet's own escape (which liborcus shows as written).
        {num("4"), str("  di tengah  "), str("a\tb"), str("07.00.00"), num("1000000"), str("a_x001B_ & <c>"),
         str("-0"), num("-1500")},
    };
    QMap<QString, QString> expected;
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c) expected[QString("%1,%2").arg(r).arg(c)] = rows[r][c];
    EXPECT_EQ(ReadCells(*reply), expected);

    // The header row is bold and stays in view.
    const QString sheet = ReadEntry(*reply, "xl/worksheets/sheet1.xml");
    EXPECT_TRUE(
        sheet.contains(R"(<pane ySplit="1" topLeftCell="A2" activePane="bottomLeft" state="frozen"/>)"))
        << sheet.left(800).toStdString();
    EXPECT_TRUE(sheet.contains(R"(<c r="A1" s="1" t="s">)"));
    EXPECT_TRUE(ReadEntry(*reply, "xl/styles.xml").contains("<b/>"));
}

// A long list goes out row by row: every row, text and number reads back in its
// place, across the many pieces the workbook is written in.
TEST_F(XlsModuleTest, LongListReadsBackRowForRow) {
    GridData g;
    g.addColumn("No.", 40);
    g.addColumn("Judul", 200);
    g.addColumn("Denda", 80, Align::Right);
    const int rows = 30000;
    for (int r = 1; r <= rows; ++r)
        g.appendRow({QString::number(r) + ".",
                     r % 7 == 0 ? QString() : "Judul buku nomor " + QString::number(r),
                     QString::number(r * 5)});
    env.ctx().exportGrid = &g;
    const auto reply = ExportGridToSpreadsheet(env.ctx());
    ASSERT_TRUE(reply && !reply->isEmpty());
    const QMap<QString, QString> cells = ReadCells(*reply);
    EXPECT_EQ(cells.size(), 3 + rows * 3 - rows / 7);
    for (int r : {1, 6, 7, 8, 12345, rows}) {
        const QString at = QString::number(r) + ",";
        EXPECT_EQ(cells.value(at + "0"), "numeric:" + QString::number(r));
        EXPECT_EQ(cells.value(at + "1"),
                  r % 7 == 0 ? QString() : str(qPrintable("Judul buku nomor " + QString::number(r))))
            << r;
        EXPECT_EQ(cells.value(at + "2"), "numeric:" + QString::number(r * 5));
    }
}

// Both modules: an empty list gives its headers and no rows.
TEST_F(XlsModuleTest, EmptyGridGivesTheHeadersAlone) {
    GridData g;
    g.addColumn("No", 40, Align::Center);
    g.addColumn("Nama", 100);
    g.addColumn("Jumlah", 80, Align::Right);
    env.ctx().exportGrid = &g;
    const auto sheet = ExportGridToSpreadsheet(env.ctx());
    const auto page = ReportGridToBrowser(env.ctx(), "LAPORAN HISTORY TRANSAKSI", g);
    ASSERT_TRUE(sheet && !sheet->isEmpty() && page);
    EXPECT_EQ(ReadCells(*sheet),
              (QMap<QString, QString>{{"0,0", str("No")}, {"0,1", str("Nama")}, {"0,2", str("Jumlah")}}));
    const QString html = QString::fromUtf8(ReadBytes(*page));
    EXPECT_TRUE(html.contains("<thead>\n<tr><th>No</th><th>Nama</th><th>Jumlah</th></tr>\n</thead>"));
    EXPECT_TRUE(html.contains("<tbody>\n</tbody>"));
    EXPECT_TRUE(html.contains("Jumlah data: 0"));
}

TEST_F(XlsModuleTest, ListTooLongForOneSheetWritesNothing) {
    DirectModule module("exptoxls");
    const auto sData = reinterpret_cast<XlsEntry>(module.entry());
    ASSERT_TRUE(sData);
    const std::string fits = "H" + std::string(1048575, ';');  // the last row a sheet has
    const std::string tooMany = fits + ";";
    EXPECT_STREQ(sData(1048576, 1, tooMany.c_str()), "");
    EXPECT_TRUE(reports().isEmpty());
    EXPECT_STRNE(sData(1048575, 1, fits.c_str()), "");
    EXPECT_EQ(reports().size(), 1);
}

TEST_F(XlsModuleTest, CellsFromAnotherCallerStayInTheirColumns) {
    DirectModule module("exptoxls");
    const auto sData = reinterpret_cast<XlsEntry>(module.entry());
    ASSERT_TRUE(sData);
    const QString path = QString::fromUtf8(sData(1, 2, "A,B;x,a,b"));
    EXPECT_EQ(ReadCells(path),
              (QMap<QString, QString>{
                  {"0,0", str("A")}, {"0,1", str("B")}, {"1,0", str("x")}, {"1,1", str("a,b")}}));
    EXPECT_FALSE(QString::fromUtf8(sData(0, 0, nullptr)).isEmpty());
}
