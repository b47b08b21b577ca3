#pragma once
// printf-style formatting that never depends on the process locale.
//
// Messages and output lines keep the C conversion specifications they are
// defined with ("%3.2f", "%s", "%-10s" ...), but numbers are always written
// with a '.' decimal point, whatever locale a desktop toolkit may have set.
// Arguments are captured by type, so a mismatched or missing argument can
// never read foreign memory. Only formats written in the program are used;
// text from input is always an argument, never a format.

#include <array>
#include <concepts>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace sylvanor {

using CFormatArg = std::variant<long long, unsigned long long, double, std::string_view>;

// Formats with the conversions d i u o x X c s f F e E g G and %%, the flags
// - + space # 0, a width and a precision (a '*' takes them from the arguments);
// length modifiers (h, l, ll, z ...) are accepted and ignored.
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

template <class... Args>
std::string CFormat(std::string_view format, const Args&... args) {
  const std::array<CFormatArg, sizeof...(Args)> packed{cformat_detail::ToArg(args)...};
  return CFormatArgs(format, packed);
}

}  // namespace sylvanor
