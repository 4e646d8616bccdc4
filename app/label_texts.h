// Every text of printing labels. Compiled with a cp932 execution charset,
// so these literals are cp932 bytes in the program.
#pragma once

namespace kuranto::label_texts {

inline constexpr char kDialogResource[] = "IDD_LABEL_PRINT";
inline constexpr char kPrintingResource[] = "IDD_LABEL_PRINTING";
inline constexpr char kCaption[] = "宛名ラベルの印刷";
inline constexpr char kDocumentName[] = "宛名ラベル";
inline constexpr char kAlignmentDocumentName[] = "宛名ラベル（テスト印刷）";

// The stocks the list offers, by the layout's names.
struct StockChoice {
  const char* name;
  const char* shown;
};
inline constexpr StockChoice kStocks[] = {
    {"a4-10", "A4 10面（86.4×50.8 mm）"},
    {"a4-12", "A4 12面（86.4×42.3 mm）"},
    {"a4-18", "A4 18面（70×42.3 mm）"},
    {"a4-21", "A4 21面（70×42.43 mm）"},
    {"a4-24", "A4 24面（66×33.9 mm）"},
    {"a4-44", "A4 44面（48.3×25.4 mm）"},
    {"naga3", "長形3号 封筒（120×235 mm）"},
    {"naga4", "長形4号 封筒（90×205 mm）"},
    {"kaku2", "角形2号 封筒（240×332 mm）"},
    {"you2", "洋形2号 封筒（114×162 mm）"},
    {"postcard", "はがき（100×148 mm）"},
};
inline constexpr char kCustomStockFormat[] = "ユーザー定義: %s";
// Settings name a custom stock by this prefix and its name.
inline constexpr char kCustomStockPrefix[] = "user:";

// The honorific list, in the order of labels::HonorificRule.
inline constexpr const char* kHonorifics[] = {"自動（個人は様、会社は御中）", "様", "御中", "なし"};
inline constexpr const char* kOrders[] = {"一覧の順", "郵便番号の順（区分用）"};

inline constexpr char kNoneColumn[] = "（なし）";
inline constexpr char kAddressListSource[] = "住所の一覧から: %lu 行";
inline constexpr char kPageFormat[] = "%lu / %lu ページ";
inline constexpr char kLabelFormat[] = "ラベル %lu / %lu";  // the label zoomed, of all
inline constexpr char kCountsFormat[] = "ラベル %lu 枚、バーコードあり %lu 枚";
inline constexpr char kWithoutFormat[] = "バーコードなし %lu 枚（%s）";
inline constexpr char kNotExactCause[] = "住所から番号が決まらない %lu";
inline constexpr char kDisagreesCause[] = "一覧の番号が住所と合わない %lu";
inline constexpr char kTooNarrowCause[] = "ラベルの幅が足りない %lu";
inline constexpr char kNotAskedCause[] = "バーコードなしで印刷 %lu";
inline constexpr char kCauseSeparator[] = "、";
inline constexpr char kTooNarrowText[] =
    "この用紙のラベルはバーコードには狭すぎます。バーコードなしで印刷するには「バーコードなしで印刷する」をオンにしてください。";
inline constexpr char kTooLongFormat[] = "ラベルに収まらない宛名があります（%s 行目）。";
inline constexpr char kSenderTooLongText[] = "差出人がはみ出します。";
inline constexpr char kMissingGlyphsFormat[] = "フォントにない文字は □ で印刷されます（%s 行目）。";
inline constexpr char kBadFiguresText[] =
    "用紙の寸法が正しくありません。用紙幅,高さ,列,行,ラベル幅,高さ,上,左 を mm で、カンマで区切って入力してください。";
inline constexpr char kNeedNameText[] = "用紙の名前を入力してください。";
inline constexpr char kBadNumberText[] = "開始位置と補正には数を入力してください。";
inline constexpr char kNoLabelsText[] = "印刷するラベルがありません。";

inline constexpr char kPrintingFormat[] = "印刷しています: %lu / %lu ページ";
inline constexpr char kPrintFailedFormat[] =
    "%lu ページ目で印刷が止まりました。プリンターを確かめてください。印刷は取り消されました。";
inline constexpr char kPrintCancelledText[] = "印刷を中止しました。";
inline constexpr char kReportCaption[] = "報告";

}  // namespace kuranto::label_texts
