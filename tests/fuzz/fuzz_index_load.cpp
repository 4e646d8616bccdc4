// Index files of any content loaded and then used by the searches: garbage
// ranges and names must only ever find nothing or something.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "datafiles/index_load.h"
#include "postal/address_search.h"

namespace {

// Two published lines (北海道 札幌市中央区, 東京都 港区 赤坂) as cp932 bytes:
// clang, which builds the fuzz targets, keeps literals in UTF-8.
const char kAddressLines[] =
    "01101,\"060  \",\"0600000\",\"" "\xCE\xAF\xB6\xB2\xC4\xDE\xB3" "\",\"" "\xBB\xAF\xCE\xDF\xDB\xBC" "\",\"" "\xB2\xB6\xC6" "\",\"" "\x96\x6B\x8A\x43\x93\xB9" "\",\"" "\x8E\x44\x96\x79\x8E\x73\x92\x86\x89\x9B\x8B\xE6" "\",\"" "\x88\xC8\x89\xBA\x82\xC9\x8C\x66\x8D\xDA\x82\xAA\x82\xC8\x82\xA2\x8F\xEA\x8D\x87" "\",0,0,0,0,0,0\r\n"
    "13103,\"107  \",\"1070052\",\"" "\xC4\xB3\xB7\xAE\xB3\xC4" "\",\"" "\xD0\xC5\xC4\xB8" "\",\"" "\xB1\xB6\xBB\xB6" "\",\"" "\x93\x8C\x8B\x9E\x93\x73" "\",\"" "\x8D\x60\x8B\xE6" "\",\"" "\x90\xD4\x8D\xE2" "\",0,0,1,0,0,0\r\n";

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
  datafiles::CitiesOf(bytes, "\x96\x6B\x8A\x43\x93\xB9");  // 北海道
  datafiles::CitiesOf(bytes, "");

  const std::string texts[] = {"10", "06", "107", "\x96\x6B\x8A\x43\x93\xB9", "\x93\x8C\x8B\x9E\x93\x73", ""};
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
