#include "base/TextUtil.h"

#include <algorithm>
#include <charconv>
#include <system_error>

namespace sylvanor {

namespace {

constexpr std::size_t kMaxNumberText = 30;
constexpr std::size_t kMaxHeading = 2999;  // characters, line end included

template <class T>
std::size_t ReadNumberStartAs(std::string_view text, T& value) {
  // std::from_chars takes a '-' but not a '+'; one sign only
  const std::size_t sign = text.starts_with('+') ? 1 : 0;
  text.remove_prefix(sign);
  if (sign == 1 && text.starts_with('-')) return 0;
  const char* last = text.data() + text.size();
  T read{};
  const auto [ptr, ec] = std::from_chars(text.data(), last, read);
  if (ec != std::errc()) return 0;
  value = read;
  return sign + static_cast<std::size_t>(ptr - text.data());
}

template <class T>
bool ReadWholeNumberAs(std::string_view text, T& value) {
  T read{};
  if (text.empty() || ReadNumberStartAs(text, read) != text.size()) return false;
  value = read;
  return true;
}

template <class T>
bool ReadNumberAs(std::string_view text, T& value) {
  return Get_NumTyp(text) != 'X' && ReadWholeNumberAs(TrimBlanks(text), value);
}

}  // namespace

bool isBlankCR(std::string_view text) {
  return text.find_first_not_of(" \r\n") == std::string_view::npos;
}

bool CommentLine(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  return first != std::string_view::npos && text[first] == '#';
}

std::string_view LineText(std::string_view line) {
  return line.substr(0, line.find_first_of(std::string_view("\r\n\0", 3)));
}

bool ReadLineWithEnd(std::istream& file, std::string& line) {
  line.clear();
  if (!std::getline(file, line)) return false;
  // the end of the file came before a line end
  if (!file.eof()) line.push_back('\n');
  return !line.empty();
}

void SkipHeadingLine(std::istream& file) {
  std::size_t read = 0;
  char c = 0;
  while (read < kMaxHeading && file.get(c)) {
    ++read;
    if (c == '\n') break;
  }
}

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

void Trim_LT(std::string& text) {
  const auto last = text.find_last_not_of(' ');
  if (last == std::string::npos) {
    text.clear();
    return;
  }
  text.erase(last + 1);
  text.erase(0, text.find_first_not_of(' '));
}

std::string TrimmedLine(std::string line) {
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
    line.pop_back();
  Trim_LT(line);
  return line;
}

void StrRepChr(std::string& text, char from, char to) {
  std::replace(text.begin(), text.end(), from, to);
}

std::vector<std::string_view> SplitWords(std::string_view text, std::size_t most) {
  std::vector<std::string_view> words;
  std::size_t pos = 0;
  while (words.size() < most) {
    const auto first = text.find_first_not_of(kWhiteSpace, pos);
    if (first == std::string_view::npos) break;
    pos = std::min(text.find_first_of(kWhiteSpace, first), text.size());
    words.push_back(text.substr(first, pos - first));
  }
  return words;
}

std::size_t ReadNumberStart(std::string_view text, int& value) {
  return ReadNumberStartAs(text, value);
}
std::size_t ReadNumberStart(std::string_view text, double& value) {
  return ReadNumberStartAs(text, value);
}

bool ReadWholeNumber(std::string_view text, int& value) {
  return ReadWholeNumberAs(text, value);
}
bool ReadWholeNumber(std::string_view text, double& value) {
  return ReadWholeNumberAs(text, value);
}

char Get_NumTyp(std::string_view text) {
  if (text.size() >= kMaxNumberText) return 'X';
  text = TrimBlanks(text);
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) text.remove_prefix(1);
  int digits = 0;
  int points = 0;
  for (const char c : text) {
    if (c >= '0' && c <= '9') {
      ++digits;
    } else if (c == '.') {
      if (++points > 1) return 'X';
    } else {
      return 'X';
    }
  }
  if (digits == 0) return 'X';
  return points == 1 ? 'F' : 'I';
}

bool ReadNumber(std::string_view text, int& value) {
  return ReadNumberAs(text, value);
}
bool ReadNumber(std::string_view text, double& value) {
  return ReadNumberAs(text, value);
}

}  // namespace sylvanor
