#include "base/CFormat.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "tests/support/TempFolder.h"

namespace sylvanor {

namespace {

// Each row: what CFormat gave and what it must give (-999.6 rounds up to 1000, three digits
// kept). An argument is converted to what its conversion takes, a missing one is 0 (an empty
// text for %s), an unknown conversion is kept as written, a text argument is never a format.
TEST(CFormat, FormatsAsCDoesAndHarmlesslyWhenArgumentsMismatch) {
  const std::pair<std::string, std::string> rows[] = {
      {CFormat("%3.2f|%3.2f|%4.1f", 2.5, -9999.0f, 1000.0), "2.50|-9999.00|1000.0"},
      {CFormat("%6.2f|%3.0f|%3.3f", 5.0f, 50.0, 0.012f), "  5.00| 50|0.012"},
      {CFormat("%.2f %.2f", 0.125, 0.375), "0.12 0.38"},  // an exact tie rounds to even
      {CFormat("%d|%5d|%-5d|%05d", 7, 42, 42, -42), "7|   42|42   |-0042"},
      {CFormat("%+d % d %+.1f", 5, 5, 1.25), "+5  5 +1.2"},
      {CFormat("%x %X %o %#x", 255, 255, 8, 255), "ff FF 10 0xff"},
      {CFormat("%e|%.3E", 12345.678, 0.00012345), "1.234568e+04|1.234E-04"},
      {CFormat("%g %g %g", 0.0001, 0.00001, 123456789.0), "0.0001 1e-05 1.23457e+08"},
      {CFormat("%#g|%#.0G|%#.3g", 123456.7, 2.0, 0.0001), "123457.|2.|0.000100"},
      {CFormat("%#.3G|%.800f", -999.6, 1.0), "-1.00E+03|1." + std::string(800, '0')},
      {CFormat("%s and %-6s|%6s|%.2s", "a", "bc", "de", "xyz"), "a and bc    |    de|xy"},
      {CFormat("%-4s|%3c", "\xC3\xA9", 'O'), "\xC3\xA9  |  O"},  // widths count bytes
      {CFormat("100%% %ld %lu %lld", 3L, 4UL, 5LL), "100% 3 4 5"},
      {CFormat("%*d|%-*d|%.*f|%0*d", 4, 1, 3, 2, 1, 0.25, 3, 7), "   1|2  |0.2|007"},
      {CFormat("[%.0d|%+.0d|%#.0o|%5.0x]", 0, 0, 0, 0), "[|+|0|     ]"},
      {CFormat("%+u|% x", 5u, 10u), "5|a"},  // a sign is only for d and i
      {CFormat("%5.1f|%f|%F", HUGE_VAL, -HUGE_VAL, std::nan("")), "  inf|-inf|NAN"},
      {CFormat("a %s b %d c"), "a  b 0 c"},
      {CFormat("%d|%f|%s|%s", 2.9, 3, 12, 0.5), "2|3.000000|12|0.5"},
      {CFormat("%q|%-5q|ends with %"), "%q|%q|ends with %"},
      {CFormat("%d|%c|[%s]", std::string("text"), "xy", "%s%d%n"), "0|x|[%s%d%n]"}};
  for (const auto& [got, expected] : rows)
    EXPECT_EQ(got, expected) << "the row expecting |" << expected << "|";
}

// Agrees with the C library's own formatting in the C locale (but for %#g, above).
TEST(CFormat, AgreesWithTheCLibraryOverManyValues) {
  std::mt19937_64 rng(20261206);
  std::uniform_real_distribution<double> mantissa(-1.0, 1.0);
  std::uniform_int_distribution<int> exponent(-12, 12);
  const char* reals[] = {"%f", "%3.2f", "%4.1f", "%3.3f", "%.0f",    "%10.4f", "%-9.3f|", "%+.5f",
                         "%e", "%.2e",  "%g",    "%.10g", "%012.3f", "% .1f",  "%#.0e"};
  const char* wholes[] = {"%lld", "%+5.0lld", "%-8.3lld", "%llx", "%#llo", "%#.0llX", "% 012lld"};
  const auto agree = [](const char* f, auto v) {
    char expected[512];
    std::snprintf(expected, sizeof expected, f, v);
    EXPECT_EQ(CFormat(f, v), expected) << f << " of " << v;
  };
  for (int i = 0; i < 20000 && !HasFailure(); ++i) {
    const double v = mantissa(rng) * std::pow(10.0, exponent(rng));
    for (const char* f : reals)
      agree(f, v);
    for (const char* f : wholes)
      agree(f, i % 5 == 0 ? 0LL : static_cast<long long>(v * 1e6));
  }
}

// Numbers keep a '.' whatever numeric locale the process runs under (a locale with a
// decimal comma is built in a temporary folder when the system has none installed).
TEST(CFormat, IgnoresTheNumericLocale) {
  const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
  const TempFolder temp;  // a loaded locale stays in memory once its files are gone
  const std::string build = "localedef -i de_DE -f UTF-8 '" +
                            (temp.path() / "de_DE.UTF-8").string() + "' >/dev/null 2>&1";
  if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && std::system(build.c_str()) == 0) {
    ::setenv("LOCPATH", temp.path().c_str(), 1);
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
  }
  char viaC[32];
  std::snprintf(viaC, sizeof viaC, "%3.2f", 1.5);
  const std::string ours = CFormat("%3.2f|%g", 1.5, 0.25);
  std::setlocale(LC_NUMERIC, saved.c_str());
  if (std::string_view(viaC) != "1,50") GTEST_SKIP() << "no locale with a decimal comma";
  EXPECT_EQ(ours, "1.50|0.25");
}

}  // namespace

}  // namespace sylvanor
