#include "base/CFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace sylvanor {

namespace {

struct Conversion {
  bool left = false;
  bool plus = false;
  bool space = false;
  bool alt = false;
  bool zero = false;
  int width = 0;
  int precision = -1;  // -1: not given
  char conv = 0;
};

class ArgCursor {
 public:
  explicit ArgCursor(std::span<const CFormatArg> args) : args_(args) {}
  const CFormatArg* Next() { return pos_ < args_.size() ? &args_[pos_++] : nullptr; }

 private:
  std::span<const CFormatArg> args_;
  std::size_t pos_ = 0;
};

double AsDouble(const CFormatArg* a) {
  if (!a) return 0.0;
  if (auto p = std::get_if<double>(a)) return *p;
  if (auto p = std::get_if<long long>(a)) return static_cast<double>(*p);
  if (auto p = std::get_if<unsigned long long>(a)) return static_cast<double>(*p);
  return 0.0;
}

long long AsSigned(const CFormatArg* a) {
  if (!a) return 0;
  if (auto p = std::get_if<long long>(a)) return *p;
  if (auto p = std::get_if<unsigned long long>(a)) return static_cast<long long>(*p);
  if (auto p = std::get_if<double>(a)) {
    const double d = *p;
    if (!(d > -9.2e18 && d < 9.2e18)) return 0;
    return static_cast<long long>(d);
  }
  return 0;
}

unsigned long long AsUnsigned(const CFormatArg* a) {
  if (auto p = a ? std::get_if<unsigned long long>(a) : nullptr) return *p;
  return static_cast<unsigned long long>(AsSigned(a));
}

// Pads a converted field: sign/prefix, then zeros (when allowed), then digits.
void Emit(std::string& out, const Conversion& s, std::string_view sign, std::string_view body,
          bool zeroAllowed) {
  const std::size_t len = sign.size() + body.size();
  const std::size_t pad = s.width > 0 && static_cast<std::size_t>(s.width) > len
                              ? static_cast<std::size_t>(s.width) - len
                              : 0;
  if (s.left) {
    out.append(sign).append(body).append(pad, ' ');
  } else if (s.zero && zeroAllowed) {
    out.append(sign).append(pad, '0').append(body);
  } else {
    out.append(pad, ' ').append(sign).append(body);
  }
}

std::string_view SignFor(bool negative, const Conversion& s) {
  if (negative) return "-";
  if (s.plus) return "+";
  if (s.space) return " ";
  return "";
}

void FormatInteger(std::string& out, const Conversion& s, const CFormatArg* a) {
  bool negative = false;
  unsigned long long mag = 0;
  int base = 10;
  if (s.conv == 'd' || s.conv == 'i') {
    const long long v = AsSigned(a);
    negative = v < 0;
    mag = negative ? 0ULL - static_cast<unsigned long long>(v) : static_cast<unsigned long long>(v);
  } else {
    mag = AsUnsigned(a);
    base = s.conv == 'o' ? 8 : (s.conv == 'x' || s.conv == 'X') ? 16 : 10;
  }
  std::array<char, 32> buf{};
  auto res = std::to_chars(buf.data(), buf.data() + buf.size(), mag, base);
  std::string digits(buf.data(), res.ptr);
  if (s.conv == 'X') {
    for (char& c : digits)
      c = static_cast<char>(c >= 'a' && c <= 'f' ? c - 'a' + 'A' : c);
  }
  if (s.precision >= 0) {
    if (s.precision == 0 && mag == 0) digits.clear();
    if (digits.size() < static_cast<std::size_t>(s.precision)) {
      digits.insert(0, static_cast<std::size_t>(s.precision) - digits.size(), '0');
    }
  }
  std::string prefix(base == 10 ? SignFor(negative, s) : std::string_view{});
  if (s.alt && base == 16 && mag != 0) prefix = s.conv == 'X' ? "0X" : "0x";
  if (s.alt && base == 8 && (digits.empty() || digits[0] != '0')) digits.insert(0, "0");
  Emit(out, s, prefix, digits, s.precision < 0);
}

void FormatFloat(std::string& out, const Conversion& s, const CFormatArg* a) {
  const double v = AsDouble(a);
  const bool negative = std::signbit(v);
  const double mag = std::fabs(v);
  const bool upper = s.conv == 'F' || s.conv == 'E' || s.conv == 'G';
  std::string body;
  if (std::isnan(v) || std::isinf(v)) {
    body = std::isnan(v) ? "nan" : "inf";
  } else {
    int precision = s.precision < 0 ? 6 : s.precision;
    std::chars_format fmt = std::chars_format::fixed;
    if (s.conv == 'e' || s.conv == 'E') fmt = std::chars_format::scientific;
    if (s.conv == 'g' || s.conv == 'G') {
      fmt = std::chars_format::general;
      if (precision == 0) precision = 1;
    }
    std::string buf(std::size_t{350} + static_cast<std::size_t>(precision), '\0');
    auto res = std::to_chars(buf.data(), buf.data() + buf.size(), mag, fmt, precision);
    body.assign(buf.data(), res.ptr);
    if (s.alt && precision == 0 && fmt == std::chars_format::fixed) body += '.';
  }
  if (upper) {
    for (char& c : body)
      c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
  }
  const bool finite = std::isfinite(v);
  Emit(out, s, SignFor(negative, s), body, finite);
}

void FormatText(std::string& out, const Conversion& s, const CFormatArg* a) {
  std::string converted;
  std::string_view text;
  if (a) {
    if (auto p = std::get_if<std::string_view>(a)) {
      text = *p;
    } else {
      // a number given for %s: show it plainly rather than nothing
      Conversion g;
      g.conv = std::holds_alternative<double>(*a) ? 'g' : 'd';
      if (std::holds_alternative<unsigned long long>(*a)) g.conv = 'u';
      if (g.conv == 'g') {
        FormatFloat(converted, g, a);
      } else {
        FormatInteger(converted, g, a);
      }
      text = converted;
    }
  }
  if (s.precision >= 0 && text.size() > static_cast<std::size_t>(s.precision)) {
    text = text.substr(0, static_cast<std::size_t>(s.precision));
  }
  Emit(out, s, "", text, false);
}

void FormatChar(std::string& out, const Conversion& s, const CFormatArg* a) {
  char c = 0;
  if (a) {
    if (auto p = std::get_if<std::string_view>(a)) {
      c = p->empty() ? '\0' : (*p)[0];
    } else {
      c = static_cast<char>(AsSigned(a));
    }
  }
  Emit(out, s, "", std::string_view(&c, 1), false);
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

int ReadNumber(std::string_view f, std::size_t& i) {
  int n = 0;
  while (i < f.size() && IsDigit(f[i])) {
    if (n < 100000) n = n * 10 + (f[i] - '0');
    ++i;
  }
  return n;
}

}  // namespace

std::string CFormatArgs(std::string_view f, std::span<const CFormatArg> args) {
  std::string out;
  out.reserve(f.size() + 16 * args.size());
  ArgCursor cursor(args);
  std::size_t i = 0;
  while (i < f.size()) {
    const char ch = f[i++];
    if (ch != '%') {
      out += ch;
      continue;
    }
    if (i >= f.size()) {
      out += '%';
      break;
    }
    if (f[i] == '%') {
      out += '%';
      ++i;
      continue;
    }
    Conversion s;
    for (bool more = true; more && i < f.size();) {
      switch (f[i]) {
        case '-':
          s.left = true;
          break;
        case '+':
          s.plus = true;
          break;
        case ' ':
          s.space = true;
          break;
        case '#':
          s.alt = true;
          break;
        case '0':
          s.zero = true;
          break;
        default:
          more = false;
          continue;
      }
      ++i;
    }
    if (i < f.size() && f[i] == '*') {
      ++i;
      const long long w = AsSigned(cursor.Next());
      if (w < 0) s.left = true;
      s.width = static_cast<int>(std::min<long long>(w < 0 ? -w : w, 100000));
    } else {
      s.width = ReadNumber(f, i);
    }
    if (i < f.size() && f[i] == '.') {
      ++i;
      if (i < f.size() && f[i] == '*') {
        ++i;
        const long long p = AsSigned(cursor.Next());
        s.precision = p < 0 ? -1 : static_cast<int>(std::min<long long>(p, 1000));
      } else {
        s.precision = std::min(ReadNumber(f, i), 1000);
      }
    }
    while (i < f.size() && (f[i] == 'h' || f[i] == 'l' || f[i] == 'L' || f[i] == 'z' ||
                            f[i] == 'j' || f[i] == 't')) {
      ++i;
    }
    if (i >= f.size()) break;
    s.conv = f[i++];
    switch (s.conv) {
      case 'd':
      case 'i':
      case 'u':
      case 'o':
      case 'x':
      case 'X':
        FormatInteger(out, s, cursor.Next());
        break;
      case 'f':
      case 'F':
      case 'e':
      case 'E':
      case 'g':
      case 'G':
        FormatFloat(out, s, cursor.Next());
        break;
      case 's':
        FormatText(out, s, cursor.Next());
        break;
      case 'c':
        FormatChar(out, s, cursor.Next());
        break;
      default:
        // unknown conversion: keep it as written
        out += '%';
        out += s.conv;
        break;
    }
  }
  return out;
}

}  // namespace sylvanor
