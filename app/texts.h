// Every text the shell shows. The app targets are compiled with a cp932
// execution charset, so these literals are cp932 bytes in the program.
#pragma once

#include <string>

#include "resolver/code_index.h"
#include "resolver/status_counts.h"
#include "win32/format_text.h"

namespace kuranto::texts {

inline constexpr char kWindowClass[] = "kuranz2";
inline constexpr char kWindowTitle[] = "クラント";
inline constexpr char kMenuResource[] = "MENU1";
inline constexpr char kAcceleratorResource[] = "IDR_ACCELERATOR1";
inline constexpr char kIconResource[] = "ICON1";
inline constexpr char kImagesResource[] = "BITMAP2";
inline constexpr char kBuildDialogResource[] = "IDD_DIALOG5";

inline constexpr char kConfirmCaption[] = "確認";
inline constexpr char kReportCaption[] = "報告";
// At exit, around the paths of the list files that could not be written.
inline constexpr char kListsNotSaved[] = "次のファイルを保存できませんでした。";
inline constexpr char kFolderMustBeWritable[] =
    "条件と記録を残すには、クラントのフォルダーに書き込みできる必要があります。";

inline constexpr char kStatusDeleting[] = "削除中...";
inline constexpr char kStatusSearching[] = "検索中...";
inline constexpr char kStatusFoundFormat[] = "%d 件見つかりました。";
inline constexpr char kStatusBlank[] = " ";

// The number kind that opens the area-place list.
inline constexpr char kAreaCodeKind[] = "市外局番";
inline constexpr char kFuzzyCaption[] = "あいまい";
inline constexpr char kOfficeNameCaption[] = "大口客先名";
inline constexpr char kRemoveFromList[] = "リストから外す(&O)";
inline constexpr char kListFontFace[] = "ＭＳ Ｐゴシック";
// A few kana, as the kana columns show them (half-width, or full-width
// hiragana), that a kana column's default width shows whole.
inline constexpr char kKanaWidthSample[] = "ﾎｯｶｲﾄﾞｳ";
inline constexpr char kHiraganaWidthSample[] = "ほっかいどう";

inline constexpr char kLinksSection[] = "URL";
inline constexpr char kPostalUrlKey[] = "POSTAL_URL";
inline constexpr char kKenAllUrlKey[] = "KEN_ALL_URL";
inline constexpr char kJigyosyoUrlKey[] = "JIGYOSYO_URL";

// Condition kinds as RegisterCondition labels them and the saved list reads them.
inline constexpr const char* kConditionKinds[] = {"番号", "場所", "曖昧", "事業"};

// Data-build dialog texts: starting, then running.
inline constexpr char kCityListStart[] = "市区町村リストデータを作成します。";
inline constexpr char kCityListRunning[] = "市区町村リストデータ作成中...";
inline constexpr char kPrefectureStart[] = "県別用データを作成します。";
inline constexpr char kPrefectureRunning[] = "県別用データ作成中...";
inline constexpr char kNumberStart[] = "番号用データを作成します。";
inline constexpr char kNumberRunning[] = "番号用データ作成中...";
inline constexpr char kImportStart[] = "UTF-8 版の住所データを Ken_all.csv に変換します。";
inline constexpr char kImportRunning[] = "住所データ変換中...";
inline constexpr char kAddressZipStart[] = "日本郵便の ken_all.zip から住所データを取り出します。";
inline constexpr char kOfficeZipStart[] = "日本郵便の jigyosyo.zip から事業所データを取り出します。";
inline constexpr char kZipRunning[] = "ZIP ファイル展開中...";

// The UTF-8 edition that could not be converted (line, code point).
inline constexpr char kImportNoShiftJisFormat[] =
    "utf_ken_all.csv の %ld 行目の文字 U+%04X は Shift-JIS にないため、Ken_all.csv を作れませんでした。";
inline constexpr char kImportNotUtf8Format[] =
    "utf_ken_all.csv の %ld 行目が UTF-8 ではないため、Ken_all.csv を作れませんでした。";

// Finding the codes of a column of addresses (住所の一覧から郵便番号).
inline constexpr char kAddressListResource[] = "IDD_ADDRESS_LIST_TO_CODES";
// The result list's columns, in order.
inline constexpr const char* kAddressListColumns[] = {"行", "住所", "郵便番号", "判定", "候補"};
inline constexpr char kAddressListLoading[] = "住所データを読んでいます...";
inline constexpr char kAddressListRunningFormat[] = "調べています... %lu / %lu 行";
inline constexpr char kAddressListCountsFormat[] =
    "%lu 行: 決定 (exact) %lu、候補あり (ambiguous) %lu、市区町村のみ (city) %lu、見つからない (none) %lu、空の行 %lu";
inline std::string AddressListCountsText(size_t rows, const resolver::StatusCounts& n, size_t empty) {
  using resolver::Status;
  const auto count = [](size_t value) { return static_cast<unsigned long>(value); };
  return FormatText(kAddressListCountsFormat, count(rows), count(n[Status::kExact]), count(n[Status::kAmbiguous]),
                    count(n[Status::kCity]), count(n[Status::kNone]), count(empty));
}
inline constexpr char kAddressListCancelled[] = "キャンセルしました。";

// Finding the code of an address (the 住所から郵便番号 dialog).
inline constexpr char kAddressDialogResource[] = "IDD_ADDRESS_TO_CODE";
inline constexpr char kResolvedExactFormat[] = "郵便番号が決まりました: %s（%d 件）";
inline constexpr char kResolvedAmbiguousFormat[] = "郵便番号は決まりません: 候補が %d 件あります（%s）。";
inline constexpr char kSeveralCities[] = "同じ名前の市区町村がいくつもあります。都道府県から書いてください";
inline constexpr char kTownSplit[] = "町域が丁目・番地・建物などで分かれています";
inline constexpr char kResolvedCityFormat[] = "市区町村だけが分かりました: %s（町域は見つかりません。%d 件）";
inline constexpr char kResolvedCityNoCodeFormat[] = "市区町村だけが分かりました（町域は見つかりません。%d 件）";
inline constexpr char kResolvedOfficeFormat[] = "事業所の郵便番号です: %s（%s）";
inline constexpr char kNoMunicipality[] = "この住所の市区町村が見つかりません。";
// The dialog's own answer: the status in words.
inline constexpr char kAnswerExact[] = "決定";
inline constexpr char kAnswerAmbiguousFormat[] = "候補あり %d 件";
inline constexpr char kAnswerCity[] = "市区町村のみ";
inline constexpr char kAnswerNone[] = "見つからない";
inline constexpr char kAnswerOffice[] = "事業所";
inline constexpr char kNeedAddress[] = "住所を入力してください。";

// Putting codes on a CSV file.
inline constexpr char kCsvColumnsResource[] = "IDD_CSV_COLUMNS";
inline constexpr char kCsvProgressResource[] = "IDD_CSV_PROGRESS";
inline constexpr char kCsvFilter[] =
    "CSV ファイル (*.csv;*.txt;*.tsv)\0*.csv;*.txt;*.tsv\0CSV ファイル (*.csv)\0*.csv\0"
    "テキスト ファイル (*.txt;*.tsv)\0*.txt;*.tsv\0すべてのファイル (*.*)\0*.*\0";
inline constexpr char kCsvOutputSuffix[] = "_郵便番号.csv";
inline constexpr char kCsvOutputStem[] = "_郵便番号";  // before a .tsv or .txt file's own extension
inline constexpr char kCsvNoCodeColumn[] = "（なし）";
inline constexpr char kCsvProgressText[] = "住所から郵便番号を調べています...";
// The open dialog's title.
inline constexpr char kCsvOpenTitle[] = "郵便番号（または住所）を付ける CSV ファイルを開く";
// Under the bar: how much of the file is read.
inline constexpr char kCsvProgressCountFormat[] = "%lu / %lu KB";
inline constexpr char kCsvCancelledFormat[] = "キャンセルしました。\n%s は書き出していません。";
inline constexpr char kCsvReplaceFormat[] = "%s はもうあります。置き換えますか?";
inline constexpr char kCsvCannotReadFormat[] = "%s を読めませんでした。";
inline constexpr char kCsvEmptyFormat[] = "%s には行がありません。";
inline constexpr char kCsvUnclosedQuoteFormat[] =
    "%s の %ld 行目で始まる行の引用符 (\") が閉じていません。\n何も書き出していません。";
inline std::string CsvUnclosedQuoteText(const std::string& file, long line) {
  return FormatText(kCsvUnclosedQuoteFormat, file.c_str(), line);
}
inline constexpr char kCsvCannotWriteFormat[] = "%s に書き出せませんでした。";
inline constexpr char kCsvCannotStartFormat[] = "%s を処理するスレッドを開始できませんでした。\n何も書き出していません。";
inline constexpr char kCsvNotTextFormat[] =
    "%s の %ld 行目は UTF-8 でも Shift-JIS でもありません。\n何も書き出していません。";
inline std::string CsvNotTextText(const std::string& file, long line) {
  return FormatText(kCsvNotTextFormat, file.c_str(), line);
}
inline constexpr char kCsvUtf16WithoutBomFormat[] =
    "%s は BOM (バイト順マーク) のない UTF-16 のようです。\nBOM 付きの UTF-16 (Excel の「Unicode テキスト」)、"
    "UTF-8 または Shift-JIS で保存してください。\n何も書き出していません。";
inline std::string CsvUtf16WithoutBomText(const std::string& file) {
  return FormatText(kCsvUtf16WithoutBomFormat, file.c_str());
}
inline constexpr char kCsvCrOnlyFormat[] =
    "%s は行の終わりが CR だけで、LF も CR LF もありません。\n何も書き出していません。";
inline std::string CsvCrOnlyText(const std::string& file) { return FormatText(kCsvCrOnlyFormat, file.c_str()); }
inline constexpr char kCsvPastWidthFormat[] =
    "%s の 1 行目には %ld 列しかなく、選んだ列がありません。\n何も書き出していません。";
inline std::string CsvPastWidthText(const std::string& file, size_t width) {
  return FormatText(kCsvPastWidthFormat, file.c_str(), static_cast<long>(width));
}
// Rows of none set apart, under its count.
inline constexpr char kCsvNotUtf8Format[] = "　うち UTF-8 でない行: %lu（%s 行目。住所を読んでいません）\n";
inline constexpr char kCsvTooShortFormat[] = "　うち住所の列がない行: %lu（%s 行目）\n";
inline constexpr char kCsvMoreLines[] = " ほか";
inline constexpr char kCsvDoneFormat[] =
    "郵便番号を付けました（%lu 行）。\n\n決定 (exact): %lu\n候補あり (ambiguous): %lu\n市区町村のみ (city): %lu\n"
    "見つからない (none): %lu\n%s\n書き出したファイル:\n%s";
// `apart`: the lines under the counts (rows set apart, offices, agreements).
inline std::string CsvDoneText(size_t rows, const resolver::StatusCounts& n, const std::string& apart,
                               const std::string& output) {
  using resolver::Status;
  const auto count = [](size_t value) { return static_cast<unsigned long>(value); };
  return FormatText(kCsvDoneFormat, count(rows), count(n[Status::kExact]), count(n[Status::kAmbiguous]),
                    count(n[Status::kCity]), count(n[Status::kNone]), apart.c_str(), output.c_str());
}
inline constexpr char kCsvOfficesFormat[] = "事業所 (office): %lu\n";
inline constexpr char kCsvAgreementFormat[] =
    "\n書いてあった郵便番号:\n一致: %lu\n候補内: %lu\n事業所: %lu\n不一致: %lu\n判定不能: %lu\n";
inline std::string CsvAgreementText(const resolver::AgreementCounts& n) {
  using resolver::Agreement;
  const auto count = [](size_t value) { return static_cast<unsigned long>(value); };
  return FormatText(kCsvAgreementFormat, count(n[Agreement::kAgrees]), count(n[Agreement::kAmongCandidates]),
                    count(n[Agreement::kOffice]), count(n[Agreement::kDisagrees]), count(n[Agreement::kUndecidable]));
}

// Filling in addresses from codes: the CSV command without an address
// column, and the list dialog's lines that are a code.
inline constexpr char kCsvAddressOutputSuffix[] = "_住所.csv";
inline constexpr char kCsvAddressOutputStem[] = "_住所";  // before a .tsv or .txt file's own extension
inline constexpr char kCsvLookupProgressText[] = "郵便番号から住所を調べています...";
inline constexpr char kCsvNeedCodeColumn[] =
    "住所の列が（なし）のときは、郵便番号が入っている列を選んでください。その郵便番号から住所を付けます。";
inline constexpr char kCsvLookupNotUtf8Format[] = "　うち UTF-8 でない行: %lu（%s 行目。郵便番号を読んでいません）\n";
inline constexpr char kCsvLookupTooShortFormat[] = "　うち郵便番号の列がない行: %lu（%s 行目）\n";
inline constexpr char kCsvLookupDoneFormat[] =
    "住所を付けました（%lu 行）。\n\n決定 (exact): %lu\n候補あり (ambiguous): %lu\n事業所 (office): %lu\n"
    "見つからない (none): %lu\n%s\n書き出したファイル:\n%s";
inline std::string CsvLookupDoneText(size_t rows, const resolver::LookupCounts& n, const std::string& apart,
                                     const std::string& output) {
  using resolver::LookupStatus;
  const auto count = [](size_t value) { return static_cast<unsigned long>(value); };
  return FormatText(kCsvLookupDoneFormat, count(rows), count(n[LookupStatus::kExact]),
                    count(n[LookupStatus::kAmbiguous]), count(n[LookupStatus::kOffice]), count(n[LookupStatus::kNone]),
                    apart.c_str(), output.c_str());
}
inline constexpr char kAddressListCodesFormat[] =
    "（うち郵便番号の行 %lu: 決定 %lu、候補あり %lu、事業所 %lu、見つからない %lu）";
inline std::string AddressListCodesText(const resolver::LookupCounts& n) {
  using resolver::LookupStatus;
  const auto count = [](size_t value) { return static_cast<unsigned long>(value); };
  return FormatText(kAddressListCodesFormat, count(n.Total()), count(n[LookupStatus::kExact]),
                    count(n[LookupStatus::kAmbiguous]), count(n[LookupStatus::kOffice]), count(n[LookupStatus::kNone]));
}
// A list of codes only: their counts alone.
inline constexpr char kAddressListCodesOnlyFormat[] =
    "%lu 行（郵便番号）: 決定 (exact) %lu、候補あり (ambiguous) %lu、事業所 (office) %lu、見つからない (none) %lu、空の行 %lu";
inline std::string AddressListCodesOnlyText(size_t rows, const resolver::LookupCounts& n, size_t empty) {
  using resolver::LookupStatus;
  const auto count = [](size_t value) { return static_cast<unsigned long>(value); };
  return FormatText(kAddressListCodesOnlyFormat, count(rows), count(n[LookupStatus::kExact]),
                    count(n[LookupStatus::kAmbiguous]), count(n[LookupStatus::kOffice]), count(n[LookupStatus::kNone]),
                    count(empty));
}
inline constexpr char kUnknownCode[] = "この郵便番号は住所データにも事業所データにもありません。";

}  // namespace kuranto::texts
