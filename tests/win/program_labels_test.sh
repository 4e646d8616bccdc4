#!/usr/bin/env bash
# 宛名ラベルの印刷 driven from outside as a user would, printing through a
# real spooler: a private CUPS with PDF printers (tools/with-cups.sh). A CSV
# of names, companies and addresses goes through the columns dialog's
# ラベルを印刷 onto 12-label sheets; the PDFs the spooler writes are read back
# from their pixels (tests/scripts/label_pages.py): the bars equal the query
# tool's barcode of every exact row, in the list's order; every dark pixel
# lies inside a label, 1.5 mm from its edges; an offset of 2, 3 mm moves
# every barcode by that; a printer with unprintable margins (a physical
# offset) prints everything where the borderless one does; テスト印刷 prints
# the frames alone; 24-label sheets print only without barcodes; postcards
# come out on their own paper; rows pasted into 住所の一覧から郵便番号 print
# the CSV's bars. Before, the preview zooms a label clicked and
# steps label by label. Runs inside tools/with-wine.sh.
#
#   program_labels_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1 source=$2

if [ "${3:-}" != --spooled ]; then
  command -v pdftoppm >/dev/null || { echo "program_labels_test: no pdftoppm (poppler-utils), skipped"; exit 77; }
  work=$build/tests/win/labels
  rm -rf "$work"
  mkdir -p "$work"
  "$source/tools/layout-program.sh" "$build" "$work/program" >/dev/null
  exec "$source/tools/with-cups.sh" "$work/cups" bash "$0" "$build" "$source" --spooled "$work"
fi
work=$4
driver=$build/tests/driver/kuranto_driver.exe
ids=$source/resources/resource_ids.h
reader=$source/tests/scripts/label_pages.py
id() { awk -v name="$1" '$1 == "#define" && $2 == name { print $3 }' "$ids"; }
drive() { wine "$driver" window 60000 "$@" | tr -d '\r'; }
fail=0
expect() { [ "$2" = "$3" ] || { echo "$1: got '$2', expected '$3'"; fail=1; }; }
program=$(winepath -w "$work/program")
pdfs=$work/cups/pdf
query() { (cd "$work/program" && wine kuranto-query.exe "$@" | tr -d '\r'); }

# The list: every town of the sample file with a lot number, a person's name
# on the odd rows and a company's on the even ones, a building on every
# third; the town-less first row is no exact address.
iconv -f cp932 -t utf-8 "$source/data/sample/Ken_all.csv" | cut -d, -f7-9 | tr -d '"' | tr -d , |
  sed -e 's/（.*//' -e 's/以下に掲載がない場合//' | awk 'NR <= 30 {
    address = $0 "1-2-3" (NR % 3 == 0 ? "　クラントビル" NR "階" : "")
    if (NR % 2) print "山田 花子" NR ",," address; else print ",株式会社見本" NR "," address }' |
  { echo "名前,会社,住所"; cat; } | sed 's/$/\r/' >"$work/program/list.csv"
query resolve --csv list.csv --column 3 --header --barcode >"$work/resolved.csv"
# CODE<TAB>ADDRESS of the rows with a barcode, in order, and their bars.
awk -F, 'NR > 1 && $6 != "" { print $4 "\t" $3 }' "$work/resolved.csv" | query --utf8 barcode | cut -f3 >"$work/expected-bars"
with=$(wc -l <"$work/expected-bars")
[ "$with" -gt 20 ] && [ "$with" -lt 30 ] || { echo "the list should have rows with and without a barcode: $with of 30"; exit 1; }

# print BUTTON [PRINTER]: BUTTON of the open label dialog, OK in the print
# dialog (PRINTER chosen there first), then the spooler's PDF as printN.pdf.
printed=0
print() {
  drive box "宛名ラベルの印刷" box-press "$1" >/dev/null
  drive box "印刷" 20000 box-select-text 1139 "${2:-KurantoPDF}" box-press 1 >/dev/null
  printed=$((printed + 1))
  for _ in $(seq 600); do
    [ "$(ls "$pdfs" | wc -l)" -ge "$printed" ] && [ -z "$(lpstat -o 2>/dev/null)" ] && break
    sleep 0.1
  done
  [ "$(ls "$pdfs" | wc -l)" -ge "$printed" ] || { echo "print $printed: no PDF"; exit 1; }
  sleep 0.5
  cp "$pdfs/$(ls -t "$pdfs" | head -n 1)" "$work/print$printed.pdf"
}

wine reg delete "HKCU\\Software\\Ostrel\\Kuranto" /f >/dev/null 2>&1 || true
wine "$driver" start "$program\\kuranto.exe" "$program" window 120000 >/dev/null
drive command "$(id IDM_CSV_ADD_CODES)" box "郵便番号（または住所）を付ける CSV ファイルを開く" box-set 1148 "$program\\list.csv" box-press 1 \
  box "CSV ファイルに郵便番号を付ける" box-press "$(id IDC_CSV_PRINT_LABELS)" >/dev/null
drive box "宛名ラベルの印刷" 60000 box-select-text "$(id IDC_LABEL_NAME_COLUMN)" "1: 名前" \
  box-select-text "$(id IDC_LABEL_COMPANY_COLUMN)" "2: 会社" >/dev/null
expect "counts" "$(drive box "宛名ラベルの印刷" box-text "$(id IDC_LABEL_COUNTS)" | tail -n 1)" \
  "ラベル 30 枚、バーコードあり $with 枚、バーコードなし $((30 - with)) 枚（住所から番号が決まらない $((30 - with))）"
expect "pages" "$(drive box "宛名ラベルの印刷" box-text "$(id IDC_LABEL_PAGE)" | tail -n 1)" "1 / 3 ページ"
# A click on the preview zooms the label under it, ◀ ▶ then step label by
# label across pages, another click (or Esc) shows the page of the label
# last seen; 拡大 zooms the page's first label. at XMM YMM: the preview's pixel of that
# point of the A4 page, fitted as the preview fits it.
read -r _ _ pw ph < <(drive box "宛名ラベルの印刷" box-control-rect "$(id IDC_LABEL_PREVIEW)" | tail -n 1)
at() { awk -v w="$pw" -v h="$ph" -v x="$1" -v y="$2" 'BEGIN { s = (w - 6) / 210; if ((h - 6) / 297 < s) s = (h - 6) / 297
  printf "%d %d\n", (w - 210 * s) / 2 + x * s, (h - 297 * s) / 2 + y * s }'; }
place() { drive box "宛名ラベルの印刷" "$@" box-text "$(id IDC_LABEL_PAGE)" | tail -n 1; }
preview=$(id IDC_LABEL_PREVIEW)
expect "the margin clicked" "$(place box-click-at "$preview" $(at 10 10))" "1 / 3 ページ"
expect "label 12 clicked" "$(place box-click-at "$preview" $(at 150 250))" "ラベル 12 / 30"
expect "▶ zoomed" "$(place box-click "$(id IDC_LABEL_NEXT)")" "ラベル 13 / 30"
expect "label 13 clicked" "$(place box-click-at "$preview" $(at 150 250))" "2 / 3 ページ"
expect "拡大 on page 2" "$(place box-click "$(id IDC_LABEL_ZOOM)")" "ラベル 13 / 30"
expect "◀ zoomed" "$(place box-click "$(id IDC_LABEL_PREVIOUS)")" "ラベル 12 / 30"
expect "拡大 off" "$(place box-click "$(id IDC_LABEL_ZOOM)")" "1 / 3 ページ"
expect "label 12 clicked again" "$(place box-click-at "$preview" $(at 150 250))" "ラベル 12 / 30"
drive box "宛名ラベルの印刷" box-key "$preview" 27 >/dev/null  # Esc, posted: read until handled
for _ in $(seq 50); do [ "$(place)" = "1 / 3 ページ" ] && break; sleep 0.1; done
expect "Esc zoomed" "$(place)" "1 / 3 ページ"
print 1
drive box "宛名ラベルの印刷" box-set "$(id IDC_LABEL_OFFSET_X)" 2 box-set "$(id IDC_LABEL_OFFSET_Y)" 3 >/dev/null
print 1
drive box "宛名ラベルの印刷" box-set "$(id IDC_LABEL_OFFSET_X)" 0 box-set "$(id IDC_LABEL_OFFSET_Y)" 0 >/dev/null
print 1 KurantoPDFMargins
print "$(id IDC_LABEL_TEST_PRINT)"
drive box "宛名ラベルの印刷" box-press 2 >/dev/null
# 7. 中止 in the middle of a long job (the list thirty times over, 75 pages)
# deletes the job whole: the spooler gets nothing.
for _ in $(seq 30); do tail -n +2 "$work/program/list.csv"; done | { head -n 1 "$work/program/list.csv"; cat; } \
  >"$work/program/long.csv"
drive command "$(id IDM_CSV_ADD_CODES)" box "郵便番号（または住所）を付ける CSV ファイルを開く" box-set 1148 "$program\\long.csv" box-press 1 \
  box "CSV ファイルに郵便番号を付ける" box-press "$(id IDC_CSV_PRINT_LABELS)" >/dev/null
drive box "宛名ラベルの印刷" 60000 box-press 1 >/dev/null
drive box "印刷" 20000 box-select-text 1139 KurantoPDF box-press 1 box "宛名ラベルの印刷中" 20000 box-press 2 >/dev/null
expect "cancelled" "$(drive box "報告" 20000 | tail -n 1)" "印刷を中止しました。"
drive box "報告" box-press 1 box "宛名ラベルの印刷" box-press 2 >/dev/null
sleep 3
expect "PDFs after the cancel" "$(ls "$pdfs" | wc -l)" "$printed"
# 8. 24-label sheets are too narrow for the barcode: 印刷 says so and prints
# nothing until バーコードなしで印刷する is checked; 9. postcards, one a page.
drive command "$(id IDM_CSV_ADD_CODES)" box "郵便番号（または住所）を付ける CSV ファイルを開く" box-set 1148 "$program\\list.csv" box-press 1 \
  box "CSV ファイルに郵便番号を付ける" box-press "$(id IDC_CSV_PRINT_LABELS)" >/dev/null
drive box "宛名ラベルの印刷" 60000 box-select-text "$(id IDC_LABEL_STOCK)" "A4 24面（66×33.9 mm）" >/dev/null
narrow="この用紙のラベルはバーコードには狭すぎます。バーコードなしで印刷するには「バーコードなしで印刷する」をオンにしてください。"
expect "24-label status" "$(drive box "宛名ラベルの印刷" box-text "$(id IDC_LABEL_STATUS)" | tail -n 1)" "$narrow"
drive box "宛名ラベルの印刷" box-press 1 >/dev/null
expect "24-label refusal" "$(drive box "宛名ラベルの印刷" 20000 | tail -n 1)" "$narrow"
drive box "宛名ラベルの印刷" box-press 1 >/dev/null
sleep 2
expect "PDFs after the refusal" "$(ls "$pdfs" | wc -l)" "$printed"
drive box "宛名ラベルの印刷" box-click "$(id IDC_LABEL_NO_BARCODE)" >/dev/null
expect "24-label status without barcodes" "$(drive box "宛名ラベルの印刷" box-text "$(id IDC_LABEL_STATUS)" | tail -n 1)" ""
print 1
drive box "宛名ラベルの印刷" box-click "$(id IDC_LABEL_NO_BARCODE)" \
  box-select-text "$(id IDC_LABEL_STOCK)" "はがき（100×148 mm）" >/dev/null
print 1
drive box "宛名ラベルの印刷" box-press 2 >/dev/null
# (the settings as the postcards left them, read for 6. below)
settings=$(wine reg query 'HKCU\Software\Ostrel\Kuranto\Labels' 2>/dev/null | tr -d '\r')
# 10. The same rows pasted into 住所の一覧から郵便番号 (address, name,
# company, tab-separated, no header) print as the CSV's did.
tail -n +2 "$work/program/list.csv" | tr -d '\r' | awk -F, -v OFS='\t' '{ print $3, $1, $2 }' >"$work/program/pasted.txt"
drive command "$(id IDM_ADDRESS_LIST_TO_CODES)" box "住所の一覧から郵便番号" \
  box-paste "$(id IDC_LIST_ADDRESSES)" "$program\\pasted.txt" box-press "$(id IDC_LIST_PRINT_LABELS)" >/dev/null
drive box "宛名ラベルの印刷" 60000 box-select-text "$(id IDC_LABEL_STOCK)" "A4 12面（86.4×42.3 mm）" >/dev/null
print 1
drive box "宛名ラベルの印刷" box-press 2 box "住所の一覧から郵便番号" box-press 2 >/dev/null
drive close >/dev/null

# 1. The bars read from the pixels are the query tool's, label for label.
python3 "$reader" bars "$work/print1.pdf" >"$work/bars1"
cut -d' ' -f5 "$work/bars1" >"$work/read-bars"
cmp -s "$work/read-bars" "$work/expected-bars" || { echo "bars read back differ:"; diff "$work/read-bars" "$work/expected-bars" | head; fail=1; }
awk '$4 < 1.15 || $4 > 1.25 { print "pitch " $4 " mm at " $2 "," $3; bad = 1 } END { exit bad }' "$work/bars1" || fail=1
# 2. Every dark pixel inside a label, 1.5 mm from its edges (a4-12).
sheet="2 6 86.4 42.3 21.2 18.6 86.4 42.3"
while read -r page outside inside; do
  [ "$outside" -eq 0 ] && [ "$inside" -gt 0 ] || { echo "page $page: $outside dark pixels outside the labels, $inside inside"; fail=1; }
done < <(python3 "$reader" ink "$work/print1.pdf" $sheet 1.5)
# 3. The offset moves every barcode by 2, 3 mm; 4. the margins' printer prints where the borderless one does.
moved() {  # moved BARS BARS2 DX DY: every barcode of BARS2 at BARS's place plus DX, DY (within 0.15 mm)
  paste -d' ' "$1" "$2" | awk -v dx="$3" -v dy="$4" '{ ex = $7 - $2 - dx; ey = $8 - $3 - dy
    if ($1 != $6 || $5 != $10 || ex * ex > 0.0225 || ey * ey > 0.0225) { print "moved by " $7 - $2 ", " $8 - $3; bad = 1 } }
    END { exit bad }'
}
python3 "$reader" bars "$work/print2.pdf" >"$work/bars2"
python3 "$reader" bars "$work/print3.pdf" >"$work/bars3"
expect "barcodes with the offset" "$(wc -l <"$work/bars2")" "$with"
moved "$work/bars1" "$work/bars2" 2 3 || { echo "the offset's print"; fail=1; }
expect "barcodes on the margins' printer" "$(wc -l <"$work/bars3")" "$with"
moved "$work/bars1" "$work/bars3" 0 0 || { echo "the margins' printer"; fail=1; }
# The query tool's PDF of the same list has the same bars at the same places
# (the native tool's: the Windows one writes no PDF; under a Japanese locale
# it finds no IPA font by its name, a fault of its own).
native=$source/build/native/query/kuranto-query
if [ -x "$native" ]; then
  LC_ALL=C.UTF-8 "$native" --dir "$work/program" labels --csv "$work/program/list.csv" --header --column 3 --name-column 1 \
    --company-column 2 --stock a4-12 --pdf "$work/query12.pdf" >/dev/null 2>&1 || { echo "labels --pdf failed"; fail=1; }
  python3 "$reader" bars "$work/query12.pdf" >"$work/bars-query"
  expect "barcodes of the query tool's PDF" "$(wc -l <"$work/bars-query")" "$with"
  moved "$work/bars-query" "$work/bars1" 0 0 || { echo "the printed bars against the query tool's PDF"; fail=1; }
else
  echo "program_labels_test: $native not built, the query tool's PDF not compared"
fi
# 5. テスト印刷: one page, no barcode, its ink on the labels' edges alone.
expect "alignment page's barcodes" "$(python3 "$reader" bars "$work/print4.pdf" | wc -l)" "0"
read -r page outside inside < <(python3 "$reader" ink "$work/print4.pdf" $sheet 0.3)
expect "alignment page's ink inside the frames" "$inside" "0"
[ "$outside" -gt 0 ] || { echo "the alignment page is blank"; fail=1; }
# 6. The settings kept: the stock last used.
grep -q 'Stock.*postcard' <<<"$settings" || { echo "no stock kept: $settings"; fail=1; }
# 8. The 24-label sheets: A4, no bars, every dark pixel inside a label.
expect "24-label sheets' barcodes" "$(python3 "$reader" bars "$work/print5.pdf" | wc -l)" "0"
while read -r page outside inside; do
  [ "$outside" -eq 0 ] && [ "$inside" -gt 0 ] || { echo "24-label page $page: $outside dark pixels outside the labels, $inside inside"; fail=1; }
done < <(python3 "$reader" ink "$work/print5.pdf" 3 8 66 33.9 12.9 6 66 33.9 1.0)
expect "24-label pages" "$(pdfinfo "$work/print5.pdf" | awk '/^Pages:/ { print $2 }')" "2"
# 9. Postcards: 30 pages of 100 x 148 mm (283 x 420 pt), the query tool's
# bars, and within the postcard's printed code boxes (from 12 mm down, 8 mm
# right of the edge) every digit in a box of its own, nothing between.
expect "postcard pages" "$(pdfinfo "$work/print6.pdf" | awk '/^Pages:/ { print $2 }')" "30"
expect "postcard size" "$(pdfinfo "$work/print6.pdf" | awk '/^Page size:/ { print int($3 + 0.5) "x" int($5 + 0.5) }')" "283x420"
python3 "$reader" bars "$work/print6.pdf" | cut -d' ' -f5 >"$work/postcard-bars"
cmp -s "$work/postcard-bars" "$work/expected-bars" || { echo "postcard bars differ:"; diff "$work/postcard-bars" "$work/expected-bars" | head; fail=1; }
postcard_boxes="44.3,12,5.7,8 51.3,12,5.7,8 58.3,12,5.7,8 65.9,12,5.7,8 72.7,12,5.7,8 79.5,12,5.7,8 86.3,12,5.7,8"
python3 "$reader" boxes "$work/print6.pdf" 40,9,56,14 $postcard_boxes >"$work/postcard-digits"
lit=$(awk '{ n = 0; for (i = 3; i <= NF; i++) if ($i > 0) n++; if ($2 > 0) print "page " $1 ": ink between the boxes"; else if (n == 7) full++ }
  END { print full + 0 }' "$work/postcard-digits")
# A row found to its city alone has the city's code in the boxes, though no barcode.
[ "$(head -n -1 <<<"$lit")" = "" ] || { head -n -1 <<<"$lit"; fail=1; }
expect "postcards with seven digits in their boxes" "$(tail -n 1 <<<"$lit")" "30"

# 10. The pasted rows: the CSV's bars, in its order, on its three pages.
python3 "$reader" bars "$work/print7.pdf" | cut -d' ' -f5 >"$work/pasted-bars"
cmp -s "$work/pasted-bars" "$work/expected-bars" || { echo "pasted rows' bars differ:"; diff "$work/pasted-bars" "$work/expected-bars" | head; fail=1; }
expect "pasted rows' pages" "$(pdfinfo "$work/print7.pdf" | awk '/^Pages:/ { print $2 }')" "3"

[ $fail -eq 0 ] && echo "program_labels_test: labels printed through CUPS read back as the query tool's barcodes"
exit $fail
