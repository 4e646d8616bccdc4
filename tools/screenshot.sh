#!/usr/bin/env bash
# Builds the Windows program, runs it on a private Xvfb with the sample data,
# searches through its controls and saves a PNG of the main window per tab:
# build/screenshots/address.png, office.png, conditions.png, of the About
# box: about.png, one per page of the settings sheet: settings-display.png,
# settings-address.png, settings-office.png, and the detail dialog of a row
# opened by a right click (xdotool): address-details.png, office-details.png,
# the 住所から郵便番号 dialog after a search over the main window showing its
# row: resolve.png, with a building and room number and its customer
# barcode: resolve-barcode.png, and with a name over its office's row:
# resolve-office.png; and its answer for a town split by its notes
# (ambiguous): resolve-ambiguous.png, a municipality alone:
# resolve-city.png, and an address of no municipality with the box saying
# so: resolve-none.png;
# the columns dialog of CSV ファイルに郵便番号を付ける for a small CSV written
# into the program folder: csv-columns.png, and the report after it is done:
# csv-report.png; the same for a CSV of codes and no addresses, whose
# address column is none: csv-codes-columns.png and csv-codes-report.png;
# and the 住所の一覧から郵便番号 dialog with a few hundred results:
# resolve-list.png, and with a pasted column of codes: resolve-list-codes.png;
# and 宛名ラベルの印刷 with its preview, opened from the columns dialog of a
# CSV of names, companies and addresses: labels.png, and its third label
# clicked, zoomed: labels-zoom.png.
# The program starts without saved settings.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=$root/build/screenshots

source "$root/tools/mingw.sh"
build=$mingw_build
build_mingw installed-programs kuranto_driver
rm -rf "$out"
"$root/tools/layout-program.sh" "$build" "$out/program"

export KURANTO_DRIVER=$build/tests/driver/kuranto_driver.exe KURANTO_OUT=$out
export KURANTO_IDS=$root/resources/resource_ids.h
"$root/tools/with-wine.sh" --xvfb bash -euo pipefail -c '
  drive() { wine "$KURANTO_DRIVER" window 60000 "$@"; }
  # id NAME: a control or command id as the program defines it.
  id() { awk -v name="$1" '"'"'$1 == "#define" && $2 == name { print $3 }'"'"' "$KURANTO_IDS"; }
  # crop NAME X Y W H: that rectangle of the screen saved as NAME.png.
  crop() {
    import -window root -crop "${4}x${5}+${2}+${3}" +repage "$KURANTO_OUT/$1.png"
    echo "screenshot: $KURANTO_OUT/$1.png"
  }
  # shot NAME: the main window cut from the screen (the virtual desktop fills it).
  shot() {
    read -r x y w h < <(drive paint sleep 300 rect)
    crop "$1" "$x" "$y" "$w" "$h"
  }
  # details LIST NAME: right click on row 3, プロパティ(&P), shoot, Enter.
  details() {
    command -v xdotool >/dev/null || { echo "screenshot: no xdotool, no $2.png"; return; }
    read -r x y w h < <(drive item-rect "$1" 3 | tr -d "\r")
    xdotool mousemove $((x + 20)) $((y + h / 2)) click 3 sleep 0.5 key Up Return
    read -r x y w h < <(drive box "プロパティ" 20000 box-rect | tail -n 1 | tr -d "\r")
    crop "$2" "$x" "$y" "$w" "$h"
    xdotool key Return
  }
  program=$(winepath -w "$KURANTO_OUT/program")
  wine reg delete "HKCU\\Software\\Ostrel\\Kuranto" /f >/dev/null 2>&1 || true
  wine "$KURANTO_DRIVER" start "$program\\kuranto.exe" "$program" window 60000
  drive click "$(id IDC_RADIO_NUMBER)" select "$(id IDC_NUMBER_KIND)" 1 set "$(id IDC_NUMBER)" 107 \
    click "$(id IDC_SEARCH)" status
  shot address
  details "$(id IDC_ADDRESS_LIST)" address-details
  drive tab 1 click "$(id IDC_RADIO_NUMBER)" select "$(id IDC_NUMBER_KIND)" 1 set "$(id IDC_NUMBER)" 100 \
    click "$(id IDC_SEARCH)" status
  shot office
  details "$(id IDC_OFFICE_LIST)" office-details
  drive click "$(id IDC_REGISTER_CONDITION)" tab 2
  shot conditions
  # ヘルプ → バージョン情報, cut from the screen while it is open.
  read -r x y w h < <(drive command "$(id IDM_ABOUT)" box "バージョン情報" sleep 300 box-rect | tail -n 1)
  crop "about" "$x" "$y" "$w" "$h"
  wine "$KURANTO_DRIVER" box "バージョン情報" press-ok
  page=0
  for name in display address office; do
    read -r x y w h < <(drive sheet $page)
    crop "settings-$name" "$x" "$y" "$w" "$h"
    page=$((page + 1))
  done
  drive sheet-cancel
  # resolved NAME: the 住所から郵便番号 dialog and the main window behind it
  # cut together.
  resolved() {
    drive sleep 500 status
    read -r x y w h < <(drive paint sleep 300 rect | tr -d "\r")
    read -r bx by bw bh < <(drive box "住所から郵便番号" box-rect | tail -n 1 | tr -d "\r")
    right=$((x + w > bx + bw ? x + w : bx + bw))
    bottom=$((y + h > by + bh ? y + h : by + bh))
    x=$((x < bx ? x : bx))
    y=$((y < by ? y : by))
    crop "$1" "$x" "$y" "$((right - x))" "$((bottom - y))"
  }
  # ファイル → 住所から郵便番号, one exact address, then an office by its name.
  drive command "$(id IDM_ADDRESS_TO_CODE)" box "住所から郵便番号" \
    box-set "$(id IDC_RESOLVE_ADDRESS)" "東京都千代田区神田神保町1-105" box-press 1 >/dev/null
  resolved resolve
  # The customer barcode under an exact answer with a building and a room.
  drive box "住所から郵便番号" box-set "$(id IDC_RESOLVE_ADDRESS)" \
    "東京都千代田区神田神保町1丁目105番地　神保町ビルA棟501号" box-press 1 >/dev/null
  resolved resolve-barcode
  drive box "住所から郵便番号" box-set "$(id IDC_RESOLVE_NAME)" "北海道庁" \
    box-set "$(id IDC_RESOLVE_ADDRESS)" "北海道札幌市中央区北3条西6丁目" box-press 1 >/dev/null
  resolved resolve-office
  # The other kinds of answer, each after the one before: several codes, a
  # municipality only, and nothing (its box left open for the shot).
  drive box "住所から郵便番号" box-set "$(id IDC_RESOLVE_NAME)" "" \
    box-set "$(id IDC_RESOLVE_ADDRESS)" "北海道札幌市中央区大通西" box-press 1 >/dev/null
  resolved resolve-ambiguous
  drive box "住所から郵便番号" box-set "$(id IDC_RESOLVE_ADDRESS)" "北海道札幌市中央区" box-press 1 >/dev/null
  resolved resolve-city
  drive box "住所から郵便番号" box-set "$(id IDC_RESOLVE_ADDRESS)" "こんにちは" box-press 1 \
    box "クラント" >/dev/null
  resolved resolve-none
  wine "$KURANTO_DRIVER" box "クラント" press-ok >/dev/null
  drive box "住所から郵便番号" box-press 2 >/dev/null
  # csv_run FILE NAME: ファイル → CSV ファイルに郵便番号を付ける on FILE of the
  # program folder, chosen in the open dialog (its file-name box is control
  # 1148); the columns dialog shot as NAME-columns and accepted, then the
  # report shot as NAME-report.
  csv_run() {
    read -r x y w h < <(drive command "$(id IDM_CSV_ADD_CODES)" box "郵便番号（または住所）を付ける CSV ファイルを開く" box-set 1148 "$program\\$1" \
      box-press 1 box "CSV ファイルに郵便番号を付ける" sleep 300 box-rect | tail -n 1 | tr -d "\r")
    crop "$2-columns" "$x" "$y" "$w" "$h"
    read -r x y w h < <(drive box "CSV ファイルに郵便番号を付ける" box-press 1 box "報告" sleep 300 box-rect |
      tail -n 1 | tr -d "\r")
    crop "$2-report" "$x" "$y" "$w" "$h"
    drive box "報告" box-press 1 >/dev/null
  }
  # A small CSV: among the rows one typed in Shift-JIS and one without the
  # address column.
  printf "%s\r\n" 名前,住所,郵便番号 神保町店,東京都千代田区神田神保町1-105,1010051 \
    函館店,北海道函館市五稜郭町43-1,0400001 仙台店,宮城県仙台市青葉区国分町3-7-1,9800803 \
    >"$KURANTO_OUT/program/addresses.csv"
  printf "札幌店,北海道\r\n" | iconv -f utf-8 -t cp932 >>"$KURANTO_OUT/program/addresses.csv"
  printf "閉店\r\n" >>"$KURANTO_OUT/program/addresses.csv"
  csv_run addresses.csv csv
  # The same for a list of codes: the address column none, the addresses filled in.
  { echo "名前,郵便番号"
    iconv -f cp932 -t utf-8 "$KURANTO_OUT/program/Ken_all.csv" | cut -d, -f3 | tr -d "\"" | sed -n "1~7p" |
      awk "{ print \"顧客\" NR \",\" substr(\$0, 1, 3) \"-\" substr(\$0, 4) }"
    echo "転居,9999999"
  } | sed "s/\$/\r/" >"$KURANTO_OUT/program/codes.csv"
  csv_run codes.csv csv-codes
  # ファイル → 住所の一覧から郵便番号: a column of a few hundred addresses made
  # from the sample files (an empty row, a text that is no address and rows
  # with a second cell among them) pasted, searched, the dialog shot.
  { iconv -f cp932 -t utf-8 "$KURANTO_OUT/program/Ken_all.csv" | cut -d, -f7-9 | tr -d "\"," |
      sed -e "s/（.*//" -e "s/以下に掲載がない場合//" -e "3~3s/\$/3-1/" -e "5G" -e "9a こんにちは"
    iconv -f cp932 -t utf-8 "$KURANTO_OUT/program/Jigyosyo.csv" | cut -d, -f3-7 | tr -d "\"" |
      awk -F, -v OFS="\t" "{ print \$2 \$3 \$4 \$5, \$1 }"
  } >"$KURANTO_OUT/program/column.txt"
  drive command "$(id IDM_ADDRESS_LIST_TO_CODES)" box "住所の一覧から郵便番号" \
    box-paste "$(id IDC_LIST_ADDRESSES)" "$program\\column.txt" box-click 1 box-wait 1 box-status "$(id IDC_LIST_STATUS)"
  read -r x y w h < <(drive box "住所の一覧から郵便番号" sleep 300 box-rect | tail -n 1 | tr -d "\r")
  crop "resolve-list" "$x" "$y" "$w" "$h"
  # The same dialog with a column of codes: of towns, of offices, and one in neither file.
  { iconv -f cp932 -t utf-8 "$KURANTO_OUT/program/Ken_all.csv" | cut -d, -f3 | tr -d "\"" | sed -n "1~5p"
    iconv -f cp932 -t utf-8 "$KURANTO_OUT/program/Jigyosyo.csv" | cut -d, -f8 | tr -d "\"" | sed -e "1~2s/^/〒/"
    echo 9999999
  } >"$KURANTO_OUT/program/codes.txt"
  drive box "住所の一覧から郵便番号" box-set "$(id IDC_LIST_ADDRESSES)" "" \
    box-paste "$(id IDC_LIST_ADDRESSES)" "$program\\codes.txt" box-click 1 box-wait 1 box-status "$(id IDC_LIST_STATUS)"
  read -r x y w h < <(drive box "住所の一覧から郵便番号" sleep 300 box-rect | tail -n 1 | tr -d "\r")
  crop "resolve-list-codes" "$x" "$y" "$w" "$h"
  drive box "住所の一覧から郵便番号" box-press 2 >/dev/null
  # 宛名ラベルの印刷 from the columns dialog of a CSV of names, companies and
  # addresses (a building on every third, the first row no exact address),
  # its name and company columns chosen, the first page previewed.
  iconv -f cp932 -t utf-8 "$KURANTO_OUT/program/Ken_all.csv" | cut -d, -f7-9 | tr -d "\"," |
    sed -e "s/（.*//" -e "s/以下に掲載がない場合//" | awk "NR <= 40 {
      address = \$0 \"1-2-3\" (NR % 3 == 0 ? \"　クラントビル\" NR \"階\" : \"\")
      if (NR % 2) print \"山田 花子\" NR \",,\" address; else print \",株式会社見本\" NR \",\" address }" |
    { echo "名前,会社,住所"; cat; } | sed "s/\$/\r/" >"$KURANTO_OUT/program/labels.csv"
  drive command "$(id IDM_CSV_ADD_CODES)" box "郵便番号（または住所）を付ける CSV ファイルを開く" box-set 1148 "$program\\labels.csv" box-press 1 \
    box "CSV ファイルに郵便番号を付ける" box-press "$(id IDC_CSV_PRINT_LABELS)" >/dev/null
  read -r x y w h < <(drive box "宛名ラベルの印刷" 60000 box-select-text "$(id IDC_LABEL_NAME_COLUMN)" "1: 名前" \
    box-select-text "$(id IDC_LABEL_COMPANY_COLUMN)" "2: 会社" sleep 500 box-rect | tail -n 1 | tr -d "\r")
  crop "labels" "$x" "$y" "$w" "$h"
  # Its third label (a person, a building, a barcode) clicked: that label
  # zoomed to be read. The click lands where the preview fits the A4 page.
  read -r _ _ pw ph < <(drive box "宛名ラベルの印刷" box-control-rect "$(id IDC_LABEL_PREVIEW)" | tail -n 1 | tr -d "\r")
  read -r cx cy < <(awk -v w="$pw" -v h="$ph" "BEGIN { s = (w - 6) / 210; if ((h - 6) / 297 < s) s = (h - 6) / 297
    printf \"%d %d\\n\", (w - 210 * s) / 2 + 60 * s, (h - 297 * s) / 2 + 85 * s }")
  drive box "宛名ラベルの印刷" box-click-at "$(id IDC_LABEL_PREVIEW)" "$cx" "$cy" sleep 500 >/dev/null
  crop "labels-zoom" "$x" "$y" "$w" "$h"
  drive box "宛名ラベルの印刷" box-press 2 >/dev/null
  drive close 20000 >/dev/null
'
