#include "base/TextUtil.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <system_error>

namespace sylvanor {

namespace {

constexpr std::size_t kMaxNumberText = 30;

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

template <class T>
bool ReadNumberAs(std::string_view text, T& value) {
  if (Get_NumTyp(text) == 'X') return false;
  text = TrimBlanks(text);
  if (text.front() == '+') text.remove_prefix(1);
  const char* last = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), last, value);
  return ec == std::errc() && ptr == last;
}

}  // namespace

bool isBlankCR(std::string_view text) {
  return text.find_first_not_of(" \r\n") == std::string_view::npos;
}

bool ReadLineWithEnd(std::istream& file, std::string& line) {
  line.clear();
  char c = 0;
  while (file.get(c)) {
    line.push_back(c);
    if (c == '\n') break;
  }
  return !line.empty();
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

bool _CommentLine(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  return first != std::string_view::npos && text[first] == '#';
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

void SkipHeadingLine(std::istream& file) {
  constexpr std::size_t kBuffer = 3000;
  std::size_t read = 0;
  char c = 0;
  while (read < kBuffer - 1 && file.get(c)) {
    ++read;
    if (c == '\n') break;
  }
}

}  // namespace sylvanor
