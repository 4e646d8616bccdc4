// Index files of any content loaded and then used by the searches: garbage
// ranges and names must only ever find nothing or something.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "datafiles/index_load.h"
#include "postal/address_search.h"

namespace {

const char kAddressLines[] =
    "01101,\"060  \",\"0600000\",\"ﾎｯｶｲﾄﾞｳ\",\"ｻｯﾎﾟﾛｼ\",\"ｲｶﾆ\",\"北海道\",\"札幌市中央区\",\"以下に掲載がない場合\",0,0,0,0,0,0\r\n"
    "13103,\"107  \",\"1070052\",\"ﾄｳｷｮｳﾄ\",\"ﾐﾅﾄｸ\",\"ｱｶｻｶ\",\"東京都\",\"港区\",\"赤坂\",0,0,1,0,0,0\r\n";

const std::string& AddressFile() {
  static const std::string path = [] {
    const std::string p = "/tmp/kuranto-fuzz-index-" + std::to_string(::getpid()) + ".csv";
    std::FILE* f = std::fopen(p.c_str(), "wb");
    if (f != nullptr) {
      std::fputs(kAddressLines, f);
      std::fclose(f);
    }
    return p;
  }();
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  postal::IndexTables tables;
  datafiles::LoadPrefectureRanges(bytes, tables.prefectures);
  datafiles::LoadNumberRanges(bytes, tables.newNumbers);
  datafiles::LoadNumberRanges(bytes.size() > 20 ? bytes.substr(20) : bytes, tables.oldNumbers);
  datafiles::CitiesOf(bytes, "北海道");
  datafiles::CitiesOf(bytes, "");

  const std::string texts[] = {"10", "06", "107", "北海道", "東京都", ""};
  for (const std::string& text : texts) {
    postal::SearchForm form;
    form.number = text;
    form.areaPlace = text + " ";
    form.prefecture = text;
    for (int kind = 0; kind <= 3; ++kind) {
      form.mode = postal::SearchMode::kNumber;
      form.kind = kind;
      postal::AddressRows rows;
      postal::SearchAddresses(AddressFile(), tables, form, rows);
    }
    form.mode = postal::SearchMode::kLocation;
    postal::AddressRows rows;
    postal::SearchAddresses(AddressFile(), tables, form, rows);
  }
  return 0;
}
