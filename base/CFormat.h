#pragma once
// printf-style formatting that never depends on the process locale.
//
// Messages and output lines keep the C conversions they are written with
// ("%3.2f", "%s", "%-10s" ...) and come out as C's printf writes them
// in the "C" locale: numbers always have a '.' decimal point, whatever locale
// a desktop toolkit may have set. Numbers are converted by fmt::sprintf;
// texts and characters are padded and cut by bytes.
//
// Only formats written in the program are used; text from input is always an
// argument, never a format. Arguments are captured by type and each is
// converted to what its conversion takes, so none can be misread and no
// format can throw:
//   - a real for d i u o x X c is cut toward zero (0 when it does not fit a
//     long long), a whole number for f e g is its value;
//   - a number for s is written as d, u or g would write it; a text for a
//     number conversion is 0, for c its first character;
//   - a missing argument is 0, or an empty text for s; arguments left over
//     are ignored;
//   - an unknown conversion, and a '%' that ends the format, are written as
//     they stand.

#include <array>
#include <concepts>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace sylvanor {

using CFormatArg = std::variant<long long, unsigned long long, double, std::string_view>;

// Formats with the conversions d i u o x X c s f F e E g G and %%, the flags
// - + space # 0, a width (at most 100000) and a precision (at most 1000; a
// '*' takes either from the arguments); length modifiers (h, l, ll, z ...)
// are accepted and ignored.
std::string CFormatArgs(std::string_view format, std::span<const CFormatArg> args);

namespace cformat_detail {
template <class T>
CFormatArg ToArg(const T& v) {
  if constexpr (std::same_as<T, bool>) {
    return static_cast<long long>(v);
  } else if constexpr (std::signed_integral<T>) {
    return static_cast<long long>(v);
  } else if constexpr (std::unsigned_integral<T>) {
    return static_cast<unsigned long long>(v);
  } else if constexpr (std::floating_point<T>) {
    return static_cast<double>(v);
  } else {
    return std::string_view(v);
  }
}
}  // namespace cformat_detail

// The shortest text that reads back as the same float ("0.1", "12.5",
// "3.4028235e+38"), never depending on the locale.
std::string ShortestText(float value);

template <class... Args>
std::string CFormat(std::string_view format, const Args&... args) {
  const std::array<CFormatArg, sizeof...(Args)> packed{cformat_detail::ToArg(args)...};
  return CFormatArgs(format, packed);
}

}  // namespace sylvanor
