// Every text the shell shows. The app targets are compiled with a cp932
// execution charset, so these literals are cp932 bytes in the program.
#pragma once

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

}  // namespace kuranto::texts
