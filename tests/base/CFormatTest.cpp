#include "base/CFormat.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <random>
#include <string>

#include <unistd.h>

namespace sylvanor {

namespace {

TEST(CFormat, FormatsTheConversionsOfMessagesAndOutputLines) {
  EXPECT_EQ(CFormat("%3.2f", 2.5), "2.50");
  EXPECT_EQ(CFormat("%3.2f", -9999.0f), "-9999.00");
  EXPECT_EQ(CFormat("%4.1f", 1000.0), "1000.0");
  EXPECT_EQ(CFormat("%6.2f", 5.0f), "  5.00");
  EXPECT_EQ(CFormat("%3.0f", 50.0), " 50");
  EXPECT_EQ(CFormat("%3.3f", 0.012f), "0.012");
  EXPECT_EQ(CFormat("%.2f", 0.125), "0.12");  // an exact tie rounds to even, as C does
  EXPECT_EQ(CFormat("%.2f", 0.375), "0.38");
  EXPECT_EQ(CFormat("%d|%5d|%-5d|%05d", 7, 42, 42, -42), "7|   42|42   |-0042");
  EXPECT_EQ(CFormat("%+d % d %+.1f", 5, 5, 1.25), "+5  5 +1.2");
  EXPECT_EQ(CFormat("%x %X %o %#x", 255, 255, 8, 255), "ff FF 10 0xff");
  EXPECT_EQ(CFormat("%e", 12345.678), "1.234568e+04");
  EXPECT_EQ(CFormat("%.3E", 0.00012345), "1.234E-04");
  EXPECT_EQ(CFormat("%g %g %g", 0.0001, 0.00001, 123456789.0), "0.0001 1e-05 1.23457e+08");
  EXPECT_EQ(CFormat("%s and %-6s|%6s|%.2s", "a", "bc", "de", "xyz"), "a and bc    |    de|xy");
  EXPECT_EQ(CFormat("%c%c", 'O', 'K'), "OK");
  EXPECT_EQ(CFormat("100%% %ld %lu %lld", 3L, 4UL, 5LL), "100% 3 4 5");
  EXPECT_EQ(CFormat("%*d|%-*d|%.*f", 4, 1, 3, 2, 1, 0.25), "   1|2  |0.2");
}

TEST(CFormat, MismatchedAndMissingArgumentsAreHarmless) {
  EXPECT_EQ(CFormat("a %s b %d c"), "a  b 0 c");
  EXPECT_EQ(CFormat("%d", 2.9), "2");
  EXPECT_EQ(CFormat("%f", 3), "3.000000");
  EXPECT_EQ(CFormat("%s", 12), "12");
  EXPECT_EQ(CFormat("%d", std::string("text")), "0");
  EXPECT_EQ(CFormat("ends with %"), "ends with %");
  EXPECT_EQ(CFormat("%q"), "%q");
  // a text argument is never read as a format
  EXPECT_EQ(CFormat("[%s]", "%s%d%n"), "[%s%d%n]");
}

TEST(CFormat, NonFiniteValues) {
  EXPECT_EQ(CFormat("%5.1f", std::numeric_limits<double>::infinity()), "  inf");
  EXPECT_EQ(CFormat("%f", -std::numeric_limits<double>::infinity()), "-inf");
  EXPECT_EQ(CFormat("%F", std::numeric_limits<double>::quiet_NaN()), "NAN");
}

// Agrees with the C library's own formatting in the C locale.
TEST(CFormat, AgreesWithTheCLibraryOverManyValues) {
  std::mt19937_64 rng(20261206);
  std::uniform_real_distribution<double> mantissa(-1.0, 1.0);
  std::uniform_int_distribution<int> exponent(-12, 12);
  const char* formats[] = {"%f",    "%3.2f", "%4.1f", "%3.3f", "%.0f",  "%10.4f",  "%-9.3f|",
                           "%+.5f", "%e",    "%.2e",  "%g",    "%.10g", "%012.3f", "% .1f"};
  for (int i = 0; i < 20000; ++i) {
    const double v = mantissa(rng) * std::pow(10.0, exponent(rng));
    for (const char* f : formats) {
      char expected[512];
      std::snprintf(expected, sizeof expected, f, v);
      ASSERT_EQ(CFormat(f, v), expected) << f << " of " << v;
    }
  }
}

// Switches LC_NUMERIC to a locale with a decimal comma, built into a
// temporary folder when the system has none installed.
bool UseDecimalCommaLocale(const std::filesystem::path& dir) {
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"}) {
    if (std::setlocale(LC_NUMERIC, name)) return true;
  }
  std::filesystem::create_directories(dir);
  const std::string command =
      "localedef -i de_DE -f UTF-8 '" + (dir / "de_DE.UTF-8").string() + "' >/dev/null 2>&1";
  if (std::system(command.c_str()) != 0) return false;
  ::setenv("LOCPATH", dir.c_str(), 1);
  return std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
}

// Numbers keep a '.' whatever numeric locale the process runs under.
TEST(CFormat, IgnoresTheNumericLocale) {
  const char* previous = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = previous ? previous : "C";
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("sylvanor-locale-" + std::to_string(::getpid()));
  const bool switched = UseDecimalCommaLocale(dir);
  std::filesystem::remove_all(dir);  // a loaded locale stays in memory
  if (!switched) GTEST_SKIP() << "no locale with a decimal comma can be had";
  char viaC[32];
  std::snprintf(viaC, sizeof viaC, "%3.2f", 1.5);
  const std::string ours = CFormat("%3.2f", 1.5);
  std::setlocale(LC_NUMERIC, saved.c_str());
  EXPECT_STREQ(viaC, "1,50");  // the locale is in force
  EXPECT_EQ(ours, "1.50");
}

}  // namespace

}  // namespace sylvanor
