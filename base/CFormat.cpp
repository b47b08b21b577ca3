#include "base/CFormat.h"

#include <fmt/format.h>
#include <fmt/printf.h>

#include <algorithm>
#include <cmath>

#include "base/TextUtil.h"

namespace sylvanor {

namespace {

constexpr int kMaxWidth = 100000;
constexpr int kMaxPrecision = 1000;
constexpr int kFmtFixedDigits = 400;  // fmt writes every decimal of a %f up to this precision

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

// The conversion as a printf format of its own, with those of its flags that
// are among `flags` (the ones C gives a meaning for the conversion).
std::string ConversionFormat(const Conversion& s, std::string_view flags, char conv,
                             int precision) {
  std::string format = "%";
  const auto flag = [&](bool on, char c) {
    if (on && flags.find(c) != std::string_view::npos) format += c;
  };
  flag(s.left, '-');
  flag(s.plus, '+');
  flag(s.space, ' ');
  flag(s.alt, '#');
  flag(s.zero, '0');
  if (s.width > 0) format += std::to_string(s.width);
  if (precision >= 0) format += '.' + std::to_string(precision);
  format += conv;
  return format;
}

// A text padded with blanks to the width, on the left or (flag '-') right.
void Pad(std::string& out, const Conversion& s, std::string_view text) {
  const std::size_t pad = static_cast<std::size_t>(std::max(s.width, 0));
  if (!s.left && pad > text.size()) out.append(pad - text.size(), ' ');
  out.append(text);
  if (s.left && pad > text.size()) out.append(pad - text.size(), ' ');
}

void FormatInteger(std::string& out, const Conversion& s, const CFormatArg* a) {
  if (s.conv == 'd' || s.conv == 'i') {
    const long long v = AsSigned(a);
    // precision 0 writes a zero without digits, its sign alone
    if (s.precision == 0 && v == 0) return Pad(out, s, s.plus ? "+" : s.space ? " " : "");
    out += fmt::sprintf(ConversionFormat(s, "-+ 0", 'd', s.precision), v);
  } else {
    const unsigned long long v = AsUnsigned(a);
    if (s.precision == 0 && v == 0) return Pad(out, s, s.alt && s.conv == 'o' ? "0" : "");
    out += fmt::sprintf(ConversionFormat(s, "-#0", s.conv, s.precision), v);
  }
}

// A real in the form `conv` with `precision` digits. fmt writes at most 767
// digits of a %f, which is all the exact value of a double has: any further
// decimals asked for are zeros, added here.
void FormatReal(std::string& out, const Conversion& s, char conv, int precision, double v) {
  if ((conv != 'f' && conv != 'F') || precision <= kFmtFixedDigits || !std::isfinite(v)) {
    out += fmt::sprintf(ConversionFormat(s, "-+ #0", conv, precision), v);
    return;
  }
  Conversion digits = s;
  digits.width = 0;
  std::string text = fmt::sprintf(ConversionFormat(digits, "+ #", conv, precision), v);
  text.append(static_cast<std::size_t>(precision) - (text.size() - text.find('.') - 1), '0');
  const auto width = static_cast<std::size_t>(s.width);
  if (s.zero && !s.left && width > text.size()) {
    text.insert(text.find_first_of("0123456789"), width - text.size(), '0');
  }
  Pad(out, s, text);
}

// %#g and %#G keep their trailing zeros: with P significant digits and X
// the exponent the %e form would have, they are written as %#f with
// P - 1 - X decimals when -4 <= X < P, else as %#e with P - 1.
void FormatAltGeneral(std::string& out, const Conversion& s, double v) {
  const int digits = s.precision < 0 ? 6 : std::max(s.precision, 1);
  const std::string scientific = fmt::sprintf("%.*e", digits - 1, v);
  int exponent = 0;
  ReadNumberStart(std::string_view(scientific).substr(scientific.find('e') + 1), exponent);
  if (exponent >= -4 && exponent < digits) {
    FormatReal(out, s, 'f', digits - 1 - exponent, v);
  } else {
    FormatReal(out, s, s.conv == 'G' ? 'E' : 'e', digits - 1, v);
  }
}

void FormatFloat(std::string& out, const Conversion& s, const CFormatArg* a) {
  const double v = AsDouble(a);
  if ((s.conv == 'g' || s.conv == 'G') && s.alt && std::isfinite(v)) {
    FormatAltGeneral(out, s, v);
  } else {
    FormatReal(out, s, s.conv, s.precision, v);
  }
}

// Texts are padded and cut by bytes: a width or precision counts bytes,
// whatever the encoding of the text.
void FormatText(std::string& out, const Conversion& s, const CFormatArg* a) {
  std::string converted;
  std::string_view text;
  if (a) {
    if (auto p = std::get_if<std::string_view>(a)) {
      text = *p;
    } else {
      // a number given for %s: show it plainly rather than nothing
      Conversion plain;
      plain.conv = std::holds_alternative<double>(*a)               ? 'g'
                   : std::holds_alternative<unsigned long long>(*a) ? 'u'
                                                                    : 'd';
      if (plain.conv == 'g') {
        FormatFloat(converted, plain, a);
      } else {
        FormatInteger(converted, plain, a);
      }
      text = converted;
    }
  }
  if (s.precision >= 0 && text.size() > static_cast<std::size_t>(s.precision)) {
    text = text.substr(0, static_cast<std::size_t>(s.precision));
  }
  Pad(out, s, text);
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
  Pad(out, s, std::string_view(&c, 1));
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

int ReadDigits(std::string_view f, std::size_t& i, int most) {
  int n = 0;
  while (i < f.size() && IsDigit(f[i])) {
    n = std::min(n * 10 + (f[i] - '0'), most);
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
    const std::size_t percent = std::min(f.find('%', i), f.size());
    out.append(f.substr(i, percent - i));
    i = percent + 1;
    if (percent == f.size()) break;
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
      s.width = static_cast<int>(std::min<long long>(w < 0 ? -w : w, kMaxWidth));
    } else {
      s.width = ReadDigits(f, i, kMaxWidth);
    }
    if (i < f.size() && f[i] == '.') {
      ++i;
      if (i < f.size() && f[i] == '*') {
        ++i;
        const long long p = AsSigned(cursor.Next());
        s.precision = p < 0 ? -1 : static_cast<int>(std::min<long long>(p, kMaxPrecision));
      } else {
        s.precision = ReadDigits(f, i, kMaxPrecision);
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

std::string ShortestText(float value) {
  return fmt::format("{}", value);
}

}  // namespace sylvanor
