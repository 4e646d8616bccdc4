#include "tests/core/bar_reader.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace testing_support {

namespace {

constexpr size_t kBars = 67, kSymbols = 20, kValues = 19;
constexpr int kHyphen = 10, kCC1 = 11, kCC4 = 14;

// The bars of each line of `data` through zint's --dump: three rows of
// modules a symbol, a bar on every other module; the top row the upper
// half, the bottom row the lower.
std::vector<std::string> ZintBars(const std::vector<std::string>& data, const std::string& dir) {
  const std::string input = dir + "zint-data.txt", output = dir + "zint-dump.txt";
  std::ofstream in(input);
  for (const std::string& d : data) in << d << "\n";
  in.close();
  const std::string command = "zint -b JAPANPOST --batch --dump -i '" + input + "' > '" + output + "' 2>/dev/null";
  if (std::system(command.c_str()) != 0) return {};
  std::ifstream dump(output);
  std::vector<std::string> rows, bars;
  for (std::string line; std::getline(dump, line);) {
    if (!line.empty()) rows.push_back(line);
  }
  for (size_t r = 0; r + 2 < rows.size(); r += 3) {
    std::string top, bottom, one;
    for (const auto& [hex, bits] : {std::make_pair(rows[r], &top), std::make_pair(rows[r + 2], &bottom)}) {
      std::istringstream bytes(hex);
      for (std::string byte; bytes >> byte;) {
        const int value = std::stoi(byte, nullptr, 16);
        for (int b = 7; b >= 0; --b) *bits += (value >> b & 1) ? '1' : '0';
      }
    }
    for (size_t k = 0; k < kBars && 2 * k < top.size(); ++k) {
      const bool up = top[2 * k] == '1', down = bottom[2 * k] == '1';
      one += up && down ? 'F' : up ? 'A' : down ? 'D' : 'T';
    }
    bars.push_back(one);
  }
  return bars;
}

std::string Triplet(const std::string& bars, size_t symbol) { return bars.substr(2 + 3 * symbol, 3); }

// The symbols' values that `data` encodes to, as Japan Post counts them.
std::vector<int> Values(const std::string& data) {
  std::vector<int> values;
  for (char c : data) {
    if (c >= '0' && c <= '9') values.push_back(c - '0');
    else if (c == '-') values.push_back(kHyphen);
    else values.push_back(kCC1 + (c - 'A') / 10), values.push_back((c - 'A') % 10);
  }
  values.resize(kSymbols, kCC4);
  return values;
}

}  // namespace

bool ReadPgm(const std::string& path, GreyImage& image) {
  std::ifstream file(path, std::ios::binary);
  std::string magic;
  size_t maxValue = 0;
  if (!(file >> magic >> image.width >> image.height >> maxValue) || magic != "P5" || maxValue != 255) return false;
  file.get();
  image.pixels.resize(image.width * image.height);
  return static_cast<bool>(file.read(reinterpret_cast<char*>(image.pixels.data()), image.pixels.size()));
}

ReadBarcode FindBarcode(const GreyImage& image, double dpi, double x0, double y0, double x1, double y1) {
  const double px = dpi / 25.4;
  const size_t left = static_cast<size_t>(std::max(0.0, x0 * px)), right = std::min(image.width, static_cast<size_t>(x1 * px));
  const size_t top = static_cast<size_t>(std::max(0.0, y0 * px)), bottom = std::min(image.height, static_cast<size_t>(y1 * px));
  ReadBarcode read;
  std::vector<std::pair<size_t, size_t>> runs, crossing;  // [begin, end) of dark runs
  size_t row = 0;
  for (size_t y = top; y < bottom && !read.found; ++y) {
    runs.clear();
    for (size_t x = left; x < right;) {
      if (!image.Dark(x, y)) { ++x; continue; }
      const size_t begin = x;
      while (x < right && image.Dark(x, y)) ++x;
      runs.emplace_back(begin, x);
    }
    const bool even = runs.size() == kBars && std::all_of(runs.begin(), runs.end(), [&](const auto& r) {
      return r.second - r.first <= runs[0].second - runs[0].first + 2 && r.second - r.first + 2 >= runs[0].second - runs[0].first;
    });
    if (!even) continue;
    // The timing band's first row: go on to its middle.
    size_t y2 = y;
    while (y2 + 1 < bottom && image.Dark((runs[0].first + runs[0].second) / 2, y2 + 1)) ++y2;
    size_t shortest = y2;
    for (const auto& r : runs) {
      size_t yy = y;
      while (yy + 1 < bottom && image.Dark((r.first + r.second) / 2, yy + 1)) ++yy;
      shortest = std::min(shortest, yy);
    }
    row = (y + shortest) / 2;
    crossing = runs;
    read.found = true;
  }
  if (!read.found) return read;
  std::vector<size_t> tops, bottoms;
  double widths = 0;
  for (const auto& r : crossing) {
    const size_t x = (r.first + r.second) / 2;
    size_t t = row, b = row;
    while (t > top && image.Dark(x, t - 1)) --t;
    while (b + 1 < bottom && image.Dark(x, b + 1)) ++b;
    tops.push_back(t);
    bottoms.push_back(b + 1);
    widths += static_cast<double>(r.second - r.first);
  }
  const size_t highest = *std::min_element(tops.begin(), tops.end()), lowest = *std::max_element(bottoms.begin(), bottoms.end());
  const double height = static_cast<double>(lowest - highest);
  double timing = height;
  for (size_t i = 0; i < kBars; ++i) {
    const bool up = static_cast<double>(tops[i] - highest) < height / 6, down = static_cast<double>(lowest - bottoms[i]) < height / 6;
    read.bars += up && down ? 'F' : up ? 'A' : down ? 'D' : 'T';
    if (!up && !down) timing = std::min(timing, static_cast<double>(bottoms[i] - tops[i]));
  }
  const double first = (crossing.front().first + crossing.front().second) / 2.0;
  const double last = (crossing.back().first + crossing.back().second) / 2.0;
  read.pitchMm = (last - first) / (kBars - 1) / px;
  read.barWidthMm = widths / kBars / px;
  read.longBarMm = height / px;
  read.timingBarMm = timing / px;
  read.leftMm = static_cast<double>(crossing.front().first) / px;
  read.rightMm = static_cast<double>(crossing.back().second) / px;
  read.topMm = static_cast<double>(highest) / px;
  read.bottomMm = static_cast<double>(lowest) / px;
  return read;
}

bool SymbolTable::Load(const std::string& scratchDir) {
  // Every digit and "-", CC1-CC3 by the first letter of each, CC4 as the
  // fill, and runs of ones whose check digits are each of the 19 values.
  std::vector<std::string> data = {"0123456789-", "1000001A", "1000001K", "1000001U"};
  for (size_t n = 1; n <= kSymbols; ++n) data.emplace_back(n, '1');
  const std::vector<std::string> bars = ZintBars(data, scratchDir);
  if (bars.size() != data.size() || bars[0].size() != kBars) return false;
  start_ = bars[0].substr(0, 2);
  stop_ = bars[0].substr(kBars - 2);
  for (size_t i = 0; i < bars.size(); ++i) {
    const std::vector<int> values = Values(data[i]);
    int sum = 0;
    for (size_t s = 0; s < kSymbols; ++s) {
      triplets_[values[s]] = Triplet(bars[i], s);
      sum += values[s];
    }
    triplets_[(kValues - sum % kValues) % kValues] = Triplet(bars[i], kSymbols);
  }
  return std::all_of(std::begin(triplets_), std::end(triplets_), [](const std::string& t) { return t.size() == 3; });
}

std::string SymbolTable::Decode(const std::string& bars) const {
  if (bars.size() != kBars || bars.substr(0, 2) != start_ || bars.substr(kBars - 2) != stop_) return "";
  std::vector<int> values;
  for (size_t s = 0; s <= kSymbols; ++s) {
    const auto found = std::find(std::begin(triplets_), std::end(triplets_), Triplet(bars, s));
    if (found == std::end(triplets_)) return "";
    values.push_back(static_cast<int>(found - std::begin(triplets_)));
  }
  int sum = 0;
  for (int v : values) sum += v;
  if (sum % kValues != 0) return "";
  std::string data;
  for (size_t s = 0; s < kSymbols; ++s) {
    const int v = values[s];
    if (v == kCC4) break;
    if (v < kHyphen) data += static_cast<char>('0' + v);
    else if (v == kHyphen) data += '-';
    else if (s + 1 < kSymbols && values[s + 1] < kHyphen) data += static_cast<char>('A' + (v - kCC1) * 10 + values[++s]);
    else return "";
  }
  return data;
}

}  // namespace testing_support
