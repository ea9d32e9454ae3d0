#!/usr/bin/python3
"""Writes a small workbook for the import tests and the fuzz seeds, as a person's
spreadsheet program would: .xls through xlwt, .ods through odfpy, .xlsx by hand
(the tests write theirs with libxlsxwriter; this one is for the fuzz seeds), and
.xlsx as Python programs write them: "openpyxl.xlsx" (openpyxl, and pandas through
it: every text inline) and "xlsxwriter.xlsx" (XlsxWriter: shared strings, array
formulas with their results).

    make_workbook.py FORMAT BOOK.json-or-"-" OUTPUT_PATH
    make_workbook.py parts WORKBOOK.xlsx-or-.ods OUTPUT_PATH   (see write_parts)

The workbook is described in JSON:
    {"sheets": [{"name": "Sheet1", "rows": [[cell, ...], ...], "merge": [[r1, c1, r2, c2]]}]}
a cell being null (empty), a string, a number, {"date": "2016-03-07"},
{"datetime": "2016-03-07T10:30:00"}, {"formula": "3+4", "value": 7} or {"bool": true}.
XlsxWriter also takes an array formula over a range, {"formula": "LEN(B2:B3)",
"value": 3, "array": "D2:D3"} ("dynamic" for a dynamic array); the value is the
first cell's, the range's other cells are the row's own later cells.
"""
import datetime
import json
import sys
import zipfile
from xml.sax.saxutils import escape


def parse_date(text):
    return datetime.datetime.fromisoformat(text)


def write_xls(book, path):
    import xlwt

    wb = xlwt.Workbook(encoding="utf-8")
    date_style = xlwt.easyxf(num_format_str="dd/mm/yyyy")
    datetime_style = xlwt.easyxf(num_format_str="dd/mm/yyyy hh:mm")
    for sheet in book["sheets"]:
        ws = wb.add_sheet(sheet["name"])
        merged = set()
        for r1, c1, r2, c2 in sheet.get("merge", []):
            first = book_cell(sheet, r1, c1)
            ws.write_merge(r1, r2, c1, c2, first if isinstance(first, (str, int, float)) else "")
            merged.update((r, c) for r in range(r1, r2 + 1) for c in range(c1, c2 + 1))
        for r, row in enumerate(sheet["rows"]):
            for c, cell in enumerate(row):
                if cell is None or (r, c) in merged:
                    continue
                if isinstance(cell, dict):
                    if "date" in cell:
                        ws.write(r, c, parse_date(cell["date"]).date(), date_style)
                    elif "datetime" in cell:
                        ws.write(r, c, parse_date(cell["datetime"]), datetime_style)
                    elif "formula" in cell:
                        ws.write(r, c, xlwt.Formula(cell["formula"]))
                    elif "bool" in cell:
                        ws.write(r, c, bool(cell["bool"]))
                else:
                    ws.write(r, c, cell)
    wb.save(path)


def book_cell(sheet, r, c):
    rows = sheet["rows"]
    return rows[r][c] if r < len(rows) and c < len(rows[r]) else None


def write_ods(book, path):
    from odf.opendocument import OpenDocumentSpreadsheet
    from odf.table import Table, TableCell, TableRow, CoveredTableCell
    from odf.text import P

    doc = OpenDocumentSpreadsheet()
    for sheet in book["sheets"]:
        table = Table(name=sheet["name"])
        spans = {(m[0], m[1]): (m[2] - m[0] + 1, m[3] - m[1] + 1) for m in sheet.get("merge", [])}
        covered = set()
        for (r1, c1), (nr, nc) in spans.items():
            covered.update((r, c) for r in range(r1, r1 + nr) for c in range(c1, c1 + nc) if (r, c) != (r1, c1))
        for r, row in enumerate(sheet["rows"]):
            tr = TableRow()
            for c, cell in enumerate(row):
                if (r, c) in covered:
                    tr.addElement(CoveredTableCell())
                    continue
                extra = {}
                if (r, c) in spans:
                    extra = {"numberrowsspanned": spans[(r, c)][0], "numbercolumnsspanned": spans[(r, c)][1]}
                if cell is None:
                    tc = TableCell(**extra)
                elif isinstance(cell, dict):
                    if "date" in cell or "datetime" in cell:
                        value = cell.get("date") or cell.get("datetime")
                        tc = TableCell(valuetype="date", datevalue=value, **extra)
                        tc.addElement(P(text=value))
                    elif "formula" in cell:
                        tc = TableCell(valuetype="float", value=cell["value"], formula="of:=" + cell["formula"], **extra)
                        tc.addElement(P(text=str(cell["value"])))
                    elif "bool" in cell:
                        tc = TableCell(valuetype="boolean", booleanvalue="true" if cell["bool"] else "false", **extra)
                        tc.addElement(P(text="TRUE" if cell["bool"] else "FALSE"))
                elif isinstance(cell, str):
                    tc = TableCell(valuetype="string", **extra)
                    tc.addElement(P(text=cell))
                else:
                    tc = TableCell(valuetype="float", value=cell, **extra)
                    tc.addElement(P(text=str(cell)))
                tr.addElement(tc)
            table.addElement(tr)
        doc.spreadsheet.addElement(table)
    doc.save(path)


def column_name(c):
    name = ""
    c += 1
    while c:
        c, rest = divmod(c - 1, 26)
        name = chr(65 + rest) + name
    return name


def write_xlsx(book, path):
    """An .xlsx as Excel writes one: shared strings, a date format, formulas with
    their results, merged cells."""
    sheets = book["sheets"]
    strings = []

    def shared(text):
        strings.append(text)
        return len(strings) - 1

    sheet_parts = []
    for sheet in sheets:
        rows = []
        for r, row in enumerate(sheet["rows"]):
            cells = []
            for c, cell in enumerate(row):
                ref = "%s%d" % (column_name(c), r + 1)
                if cell is None:
                    continue
                if isinstance(cell, dict):
                    if "formula" in cell:
                        cells.append('<c r="%s"><f>%s</f><v>%s</v></c>' % (ref, escape(cell["formula"]), cell["value"]))
                    elif "bool" in cell:
                        cells.append('<c r="%s" t="b"><v>%d</v></c>' % (ref, 1 if cell["bool"] else 0))
                    else:
                        moment = parse_date(cell.get("date") or cell.get("datetime"))
                        serial = (moment - datetime.datetime(1899, 12, 30)).total_seconds() / 86400
                        cells.append('<c r="%s" s="1"><v>%r</v></c>' % (ref, serial))
                elif isinstance(cell, str):
                    cells.append('<c r="%s" t="s"><v>%d</v></c>' % (ref, shared(cell)))
                else:
                    cells.append('<c r="%s"><v>%r</v></c>' % (ref, cell))
            rows.append('<row r="%d">%s</row>' % (r + 1, "".join(cells)))
        merges = "".join('<mergeCell ref="%s%d:%s%d"/>' % (column_name(m[1]), m[0] + 1, column_name(m[3]), m[2] + 1)
                         for m in sheet.get("merge", []))
        sheet_parts.append('<?xml version="1.0" encoding="UTF-8"?>'
                           '<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>'
                           + "".join(rows) + "</sheetData>"
                           + ("<mergeCells>%s</mergeCells>" % merges if merges else "") + "</worksheet>")

    main_ns = "http://schemas.openxmlformats.org/spreadsheetml/2006/main"
    rel_ns = "http://schemas.openxmlformats.org/package/2006/relationships"
    doc_rel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships"
    ct = "application/vnd.openxmlformats-officedocument.spreadsheetml"
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as z:
        z.writestr("[Content_Types].xml",
                   '<?xml version="1.0" encoding="UTF-8"?>'
                   '<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">'
                   '<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>'
                   '<Default Extension="xml" ContentType="application/xml"/>'
                   '<Override PartName="/xl/workbook.xml" ContentType="%s.sheet.main+xml"/>'
                   '<Override PartName="/xl/styles.xml" ContentType="%s.styles+xml"/>'
                   '<Override PartName="/xl/sharedStrings.xml" ContentType="%s.sharedStrings+xml"/>' % (ct, ct, ct)
                   + "".join('<Override PartName="/xl/worksheets/sheet%d.xml" ContentType="%s.worksheet+xml"/>'
                             % (i + 1, ct) for i in range(len(sheets)))
                   + "</Types>")
        z.writestr("_rels/.rels",
                   '<?xml version="1.0" encoding="UTF-8"?><Relationships xmlns="%s">'
                   '<Relationship Id="rId1" Type="%s/officeDocument" Target="xl/workbook.xml"/>'
                   "</Relationships>" % (rel_ns, doc_rel))
        z.writestr("xl/workbook.xml",
                   '<?xml version="1.0" encoding="UTF-8"?><workbook xmlns="%s" xmlns:r="%s"><sheets>' % (main_ns, doc_rel)
                   + "".join('<sheet name="%s" sheetId="%d" r:id="rId%d"/>' % (escape(s["name"], {'"': "&quot;"}), i + 1, i + 1)
                             for i, s in enumerate(sheets))
                   + "</sheets></workbook>")
        n = len(sheets)
        z.writestr("xl/_rels/workbook.xml.rels",
                   '<?xml version="1.0" encoding="UTF-8"?><Relationships xmlns="%s">' % rel_ns
                   + "".join('<Relationship Id="rId%d" Type="%s/worksheet" Target="worksheets/sheet%d.xml"/>'
                             % (i + 1, doc_rel, i + 1) for i in range(n))
                   + '<Relationship Id="rId%d" Type="%s/styles" Target="styles.xml"/>' % (n + 1, doc_rel)
                   + '<Relationship Id="rId%d" Type="%s/sharedStrings" Target="sharedStrings.xml"/>' % (n + 2, doc_rel)
                   + "</Relationships>")
        z.writestr("xl/styles.xml",
                   '<?xml version="1.0" encoding="UTF-8"?><styleSheet xmlns="%s">'
                   '<numFmts count="1"><numFmt numFmtId="164" formatCode="dd/mm/yyyy"/></numFmts>'
                   '<fonts count="1"><font><sz val="11"/><name val="Calibri"/></font></fonts>'
                   '<fills count="1"><fill><patternFill patternType="none"/></fill></fills>'
                   '<borders count="1"><border/></borders>'
                   '<cellStyleXfs count="1"><xf numFmtId="0" fontId="0" fillId="0" borderId="0"/></cellStyleXfs>'
                   '<cellXfs count="2"><xf numFmtId="0" fontId="0" fillId="0" borderId="0" xfId="0"/>'
                   '<xf numFmtId="164" fontId="0" fillId="0" borderId="0" xfId="0" applyNumberFormat="1"/></cellXfs>'
                   "</styleSheet>" % main_ns)
        z.writestr("xl/sharedStrings.xml",
                   '<?xml version="1.0" encoding="UTF-8"?><sst xmlns="%s" count="%d" uniqueCount="%d">' % (main_ns, len(strings), len(strings))
                   + "".join('<si><t xml:space="preserve">%s</t></si>' % escape(t) for t in strings) + "</sst>")
        for i, part in enumerate(sheet_parts):
            z.writestr("xl/worksheets/sheet%d.xml" % (i + 1), part)


def plain_value(cell):
    if isinstance(cell, dict):
        if "date" in cell or "datetime" in cell:
            return parse_date(cell.get("date") or cell.get("datetime"))
        if "bool" in cell:
            return bool(cell["bool"])
        return "=" + cell["formula"]
    return cell


def write_openpyxl(book, path):
    import openpyxl

    wb = openpyxl.Workbook()
    wb.remove(wb.active)
    for sheet in book["sheets"]:
        ws = wb.create_sheet(sheet["name"])
        for r, row in enumerate(sheet["rows"]):
            for c, cell in enumerate(row):
                if cell is not None:
                    ws.cell(r + 1, c + 1, plain_value(cell))
    wb.save(path)


def write_xlsxwriter(book, path):
    import xlsxwriter

    wb = xlsxwriter.Workbook(path)
    date_format = wb.add_format({"num_format": "dd/mm/yyyy"})
    for sheet in book["sheets"]:
        ws = wb.add_worksheet(sheet["name"])
        for r, row in enumerate(sheet["rows"]):
            for c, cell in enumerate(row):
                if cell is None:
                    continue
                if isinstance(cell, dict) and "formula" in cell:
                    if "array" in cell:
                        ws.write_array_formula(cell["array"], "{=%s}" % cell["formula"], None, cell["value"])
                    elif "dynamic" in cell:
                        ws.write_dynamic_array_formula(cell["dynamic"], "=" + cell["formula"], None, cell["value"])
                    else:
                        ws.write_formula(r, c, "=" + cell["formula"], None, cell["value"])
                elif isinstance(cell, dict) and "bool" not in cell:
                    ws.write_datetime(r, c, plain_value(cell), date_format)
                else:
                    ws.write(r, c, plain_value(cell))
    wb.close()


def write_parts(path_in, path_out):
    """A workbook's parts as the fuzz targets take them: name, newline, content,
    and a \\x01 between parts."""
    with zipfile.ZipFile(path_in) as z, open(path_out, "wb") as out:
        out.write(b"\x01".join(name.encode() + b"\n" + z.read(name) for name in z.namelist()))


def main():
    fmt, source, out = sys.argv[1:4]
    if fmt == "parts":
        write_parts(source, out)
        return
    book = json.load(sys.stdin if source == "-" else open(source, encoding="utf-8"))
    writers = {"xls": write_xls, "ods": write_ods, "xlsx": write_xlsx,
               "openpyxl.xlsx": write_openpyxl, "xlsxwriter.xlsx": write_xlsxwriter}
    writers[fmt](book, out)


if __name__ == "__main__":
    main()
