#include "lists/csv_survey.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "lists/csv_quoting.h"

namespace lists {

namespace {

constexpr size_t kReadBytes = 1 << 20;
// A sample whose line never ends is judged on this much.
constexpr size_t kLongestSample = 1 << 20;

class Surveyor {
 public:
  Surveyor(CsvSurvey& survey, char separator, size_t blockBytes)
      : survey_(survey), separator_(separator), blockBytes_(blockBytes) {}

  void Start(const char* data, size_t size) {
    if (!StartsWithBom(data, size)) return;
    survey_.encoding.encoding = CsvEncoding::kUtf8WithBom;
    sampleState_ = kSampled;
    offset_ = blockBegin_ = rowBegin_ = BomLength(CsvEncoding::kUtf8WithBom);
  }

  // The bytes from offset_ on; `size` of them in `data`, the file's next piece.
  void Piece(const char* data, size_t size) {
    Sample(data, size);
    const uint64_t base = offset_;
    for (size_t i = 0; i < size; ++i) {
      const char c = data[i];
      if (c == separator_ && quoting_ != Quoting::kQuoted) ++separators_;
      quoting_ = NextQuoting(quoting_, c, c == separator_);
      if (c != '\n') {
        last_ = c;
        continue;
      }
      ++line_;
      if (quoting_ == Quoting::kCellStart) RowEnd(base + i + 1);
      last_ = c;
    }
    offset_ = base + size;
  }

  void End() {
    if (sampleState_ == kSampling) Decide(SampleEnd::kWholeLine);
    survey_.size = offset_;
    if (quoting_ == Quoting::kQuoted) {
      survey_.unclosedQuoteLine = rowLine_;
      return;
    }
    if (offset_ > rowBegin_) survey_.widest = std::max(survey_.widest, separators_ + 1);  // a last row without a line end
    if (offset_ > blockBegin_) survey_.blocks.push_back({blockBegin_, offset_, blockLine_});
  }

  bool Undecided() const { return !survey_.encoding.decided; }

 private:
  enum SampleState { kAscii, kSampling, kSampled };

  void RowEnd(uint64_t end) {
    const uint64_t length = end - rowBegin_;
    const bool blank = length == 1 || (length == 2 && last_ == '\r');
    sawRow_ = sawRow_ || !blank;
    if (!blank) survey_.widest = std::max(survey_.widest, separators_ + 1);
    separators_ = 0;
    rowBegin_ = end;
    rowLine_ = line_;
    if (end - blockBegin_ >= blockBytes_ && sawRow_) {
      survey_.blocks.push_back({blockBegin_, end, blockLine_});
      blockBegin_ = end;
      blockLine_ = line_;
    }
  }

  // Collects the lines from the first that holds a non-ASCII byte until the
  // sample is long enough, then decides.
  void Sample(const char* data, size_t size) {
    if (sampleState_ == kSampled) return;
    size_t from = 0;
    if (sampleState_ == kAscii) {
      const char* first = std::find_if(data, data + size, [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
      if (first == data + size) return;
      const std::string_view before(data, static_cast<size_t>(first - data));
      const size_t lineStart = before.rfind('\n');
      from = lineStart == std::string_view::npos ? 0 : lineStart + 1;
      sampleLine_ = line_ + static_cast<long>(std::count(data, data + from, '\n'));
      sampleState_ = kSampling;
    }
    sample_.append(data + from, std::min(size - from, kLongestSample - sample_.size()));
    if (sample_.size() < kEncodingSample) return;
    const size_t lineEnd = sample_.find('\n', kEncodingSample - 1);
    if (lineEnd != std::string::npos) {
      sample_.resize(lineEnd + 1);
      Decide(SampleEnd::kWholeLine);
    } else if (sample_.size() >= kLongestSample) {
      Decide(SampleEnd::kCut);
    }
  }

  void Decide(SampleEnd end) {
    survey_.encoding = DecideEncoding(sample_.data(), sample_.size(), sampleLine_, end);
    sampleState_ = kSampled;
    sample_ = std::string();
  }

  CsvSurvey& survey_;
  const char separator_;
  const size_t blockBytes_;
  SampleState sampleState_ = kAscii;
  std::string sample_;
  long sampleLine_ = 0;
  Quoting quoting_ = Quoting::kCellStart;
  uint64_t offset_ = 0;
  long line_ = 1;
  char last_ = '\0';
  uint64_t rowBegin_ = 0;
  size_t separators_ = 0;  // in the row so far, outside quotes
  long rowLine_ = 1;
  bool sawRow_ = false;
  uint64_t blockBegin_ = 0;
  long blockLine_ = 1;
};

}  // namespace

bool SurveyCsv(CsvInput& input, CsvSurvey& survey, const std::function<bool()>& tick, char separator,
               size_t blockBytes) {
  survey = CsvSurvey();
  Surveyor surveyor(survey, separator, blockBytes);
  // A small file in one read, past its end, so that the read tells the end.
  const uint64_t size = input.Size();
  std::string buffer(size != 0 && size < kReadBytes ? static_cast<size_t>(size) + 1 : kReadBytes, '\0');
  bool first = true;
  for (;;) {
    const size_t got = input.Read(&buffer[0], buffer.size());
    if (input.failed()) return false;
    size_t from = 0;
    if (first) {
      surveyor.Start(buffer.data(), got);
      from = BomLength(survey.encoding.encoding);
      first = false;
    }
    if (from < got) surveyor.Piece(buffer.data() + from, got - from);
    if (surveyor.Undecided()) return true;
    if (got < buffer.size()) break;
    if (tick && !tick()) return false;
  }
  surveyor.End();
  return true;
}

EncodingDecision DecideHeadEncoding(const char* data, size_t size) {
  MemoryInput head(data, size);
  CsvSurvey survey;
  SurveyCsv(head, survey, {});
  return survey.encoding;
}

}  // namespace lists
