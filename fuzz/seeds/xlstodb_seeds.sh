#!/usr/bin/env bash
# Seeds for the xlstodb fuzz targets: small workbooks of one format, made as a
# spreadsheet program makes them (tests/xlstodb/make_workbook.py), written into DIR.
#   xlstodb_seeds.sh FORMAT DIR        FORMAT: xls, xlsx, ods, csv or records
set -euo pipefail
FORMAT=$1
DIR=$2
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
PY=/usr/bin/python3
[ -x "$PY" ] || PY=python3
MAKE="$ROOT/tests/xlstodb/make_workbook.py"
mkdir -p "$DIR"
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT

cat >"$TMP/members.json" <<'JSON'
{"sheets": [{"name": "Petunjuk", "rows": [["Isi sheet Sheet1"]]},
 {"name": "Sheet1", "rows": [
  ["Id", "Nama Member", "Jenis Kelamin", "Tmp Lahir", "Tgl Lahir", "Alamat", "Durasi"],
  ["M001", "Nur'aini; Putri", "Perempuan", "Bandung", {"date": "2009-03-07"}, "Jl. Mawar | 5", 7],
  ["M002", "Budi", "L", "Garut", "07/03/2016", null, 10.0],
  [1003, "Siti", "P", null, "7 Maret 2016", "Gg. Kenari", {"formula": "3+4", "value": 7}]],
  "merge": [[3, 5, 3, 6]]}]}
JSON
cat >"$TMP/items.json" <<'JSON'
{"sheets": [{"name": "Buku", "rows": [
  ["DAFTAR BUKU"],
  ["Id", "Nama Item", "Pengarang", "Hak Cipta", "Penerbit", "ISBN", "Nilai Denda", "Stock", "Hrg Rental", "Rak"],
  ["B001", "Laskar Pelangi", "Andrea Hirata", 2005, "Bentang", 9786020332956, 1500.0, 3, 0, "A-1"],
  ["B002", "Sang Pemimpi", "Andrea Hirata", "2006", "Bentang", "978-979-3062-92-8", 500, 2, 2500, "A-2"],
  ["B003", "Kamus", {"bool": true}, {"datetime": "2016-03-07T10:30:00"}, null, null, 12.5, 1, null, "007"]]}]}
JSON

case "$FORMAT" in
  xls | ods)
    for sheet in members items; do "$PY" "$MAKE" "$FORMAT" "$TMP/$sheet.json" "$DIR/$sheet.$FORMAT"; done
    ;;
  xlsx)
    # By hand as Excel writes it, and as openpyxl (inline strings, parts named from
    # the root) and XlsxWriter write it.
    for sheet in members items; do
      for writer in xlsx openpyxl.xlsx xlsxwriter.xlsx; do
        "$PY" "$MAKE" "$writer" "$TMP/$sheet.json" "$DIR/$sheet.$writer"
        "$PY" "$MAKE" parts "$DIR/$sheet.$writer" "$DIR/$sheet.$writer.parts"
      done
    done
    ;;
  ods-parts)
    for sheet in members items; do
      "$PY" "$MAKE" ods "$TMP/$sheet.json" "$TMP/$sheet.ods"
      cp "$TMP/$sheet.ods" "$DIR/$sheet.ods"
      "$PY" "$MAKE" parts "$TMP/$sheet.ods" "$DIR/$sheet.parts"
    done
    ;;
  csv | records)
    printf 'Id;Nama Member;Tgl Lahir;Durasi\r\nM001;"Nur'"'"'aini; Putri";07/03/2016;7\r\nM002;Budi;2016-03-07;10.0\r\n' >"$DIR/semicolons.csv"
    printf 'DAFTAR\nId,Nama Member,Alamat\n"M1","Ani ""A""","Jl. Mawar, 5"\nM2,Caf\xe9,x\n' >"$DIR/commas.csv"
    printf 'Id\tNama Member\tJenis Kelamin\nM1\tAni\tP\n' >"$DIR/tabs.csv"
    ;;
  *)
    echo "unknown format $FORMAT" >&2
    exit 1
    ;;
esac
