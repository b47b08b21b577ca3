#include "base/TextInput.h"

#include <algorithm>
#include <array>

#include "base/CFormat.h"

namespace sylvanor {

namespace {

constexpr std::array<char, 3> kByteOrderMark = {'\xEF', '\xBB', '\xBF'};

}  // namespace

std::string AtFileLine(const std::string& message, const std::string& file, int line) {
  std::string text = message;
  while (!text.empty() && (text.back() == ' ' || text.back() == '\n' || text.back() == '\r'))
    text.pop_back();
  if (file.empty()) return text + CFormat("\n line %d", line);
  return text + CFormat("\n File: %s, line %d", file, line);
}

std::vector<d_FileNotice> CutLineNotices(const c_TextInput& input, const std::string& file) {
  std::vector<d_FileNotice> notices;
  for (const int line : input.CutLines()) {
    notices.push_back({file, line,
                       CFormat("Line longer than %d characters: the rest of the line is skipped",
                               static_cast<int>(kMaxLineText))});
  }
  return notices;
}

d_FileNotice RowLimitNotice(const std::string& file, int line, const std::string& what,
                            int maxRows) {
  return {file, line,
          CFormat("%s holds more than %d rows: this row and the rows after it are not read", what,
                  maxRows)};
}

void c_TextInputBuf::SetSource(std::streambuf* source) {
  source_ = source;
  Restart();
}

void c_TextInputBuf::Restart() {
  setg(nullptr, nullptr, nullptr);
  area_.clear();
  bomMatched_ = 0;
  atStart_ = true;
  afterCR_ = false;
  cutting_ = false;
  column_ = 0;
  emittedLines_ = 0;
  linesBeforeArea_ = 0;
  areasBefore_ = 0;
  lastOfArea_ = 0;
  cutLines_.clear();
}

void c_TextInputBuf::Emit(char c) {
  area_.push_back(c);
}

void c_TextInputBuf::Take(char c) {
  if (afterCR_) {
    afterCR_ = false;
    if (c == '\n') return;  // the LF of a CR LF
  }
  if (c == '\r') {
    afterCR_ = true;
    c = '\n';
  }
  if (c == '\n') {
    Emit('\n');
    ++emittedLines_;
    column_ = 0;
    cutting_ = false;
    return;
  }
  if (cutting_) return;
  if (column_ == kMaxLineText) {
    cutting_ = true;
    cutLines_.push_back(emittedLines_ + 1);
    return;
  }
  Emit(c);
  ++column_;
}

c_TextInputBuf::int_type c_TextInputBuf::underflow() {
  if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
  if (eback() != nullptr && egptr() > eback()) {
    linesBeforeArea_ += static_cast<int>(std::count(eback(), egptr(), '\n'));
    areasBefore_ += egptr() - eback();
    lastOfArea_ = egptr()[-1];
  }
  area_.clear();
  while (area_.empty() && source_ != nullptr) {
    const std::streamsize read =
        source_->sgetn(raw_.data(), static_cast<std::streamsize>(raw_.size()));
    if (read <= 0) {
      // a file of only part of the mark holds those bytes as text
      if (atStart_) {
        atStart_ = false;
        for (std::size_t i = 0; i < bomMatched_; ++i)
          Take(kByteOrderMark[i]);
      }
      break;
    }
    for (std::streamsize i = 0; i < read; ++i) {
      const char c = raw_[static_cast<std::size_t>(i)];
      if (atStart_) {
        if (bomMatched_ < kByteOrderMark.size() && c == kByteOrderMark[bomMatched_]) {
          if (++bomMatched_ == kByteOrderMark.size()) atStart_ = false;
          continue;
        }
        atStart_ = false;
        for (std::size_t k = 0; k < bomMatched_; ++k)
          Take(kByteOrderMark[k]);
      }
      Take(c);
    }
  }
  if (area_.empty()) {
    setg(nullptr, nullptr, nullptr);
    return traits_type::eof();
  }
  setg(area_.data(), area_.data(), area_.data() + area_.size());
  return traits_type::to_int_type(*gptr());
}

int c_TextInputBuf::LineNumber() const {
  int lines = linesBeforeArea_;
  char last = lastOfArea_;
  if (eback() != nullptr && gptr() > eback()) {
    lines += static_cast<int>(std::count(eback(), gptr(), '\n'));
    last = gptr()[-1];
  }
  if (last == 0) return 0;
  return last == '\n' ? lines : lines + 1;
}

c_TextInputBuf::pos_type c_TextInputBuf::seekoff(off_type off, std::ios_base::seekdir dir,
                                                 std::ios_base::openmode which) {
  if (dir == std::ios_base::beg) return seekpos(pos_type(off), which);
  if (dir == std::ios_base::cur && off == 0) {
    // where the reader is, counted in the characters handed to it
    const off_type inArea = eback() != nullptr ? gptr() - eback() : 0;
    return pos_type(static_cast<off_type>(areasBefore_) + inArea);
  }
  return pos_type(off_type(-1));
}

c_TextInputBuf::pos_type c_TextInputBuf::seekpos(pos_type pos, std::ios_base::openmode) {
  // only the start can be found again
  if (pos != pos_type(0) || source_ == nullptr) return pos_type(off_type(-1));
  if (source_->pubseekpos(0, std::ios_base::in) != pos_type(0)) return pos_type(off_type(-1));
  Restart();
  return pos_type(0);
}

c_TextInput::c_TextInput() : std::istream(nullptr), buf_(nullptr) {
  rdbuf(&buf_);
  setstate(std::ios_base::badbit);
}

c_TextInput::c_TextInput(std::streambuf* source) : std::istream(nullptr), buf_(source) {
  rdbuf(&buf_);
  borrowed_ = source != nullptr;
  if (!borrowed_) setstate(std::ios_base::badbit);
}

bool c_TextInput::Open(const std::filesystem::path& path) {
  Close();
  auto file = std::make_unique<std::filebuf>();
  if (file->open(path, std::ios_base::in | std::ios_base::binary) == nullptr) {
    setstate(std::ios_base::failbit);
    return false;
  }
  file_ = std::move(file);
  buf_.SetSource(file_.get());
  clear();
  return true;
}

void c_TextInput::Close() {
  buf_.SetSource(nullptr);
  file_.reset();
  borrowed_ = false;
  clear(std::ios_base::badbit);
}

}  // namespace sylvanor
