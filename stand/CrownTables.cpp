#include "stand/CrownTables.h"

#include <array>
#include <cmath>

#include "base/Keyword.h"
#include "base/TextUtil.h"
#include "stand/UnitFactors.h"

namespace sylvanor {

namespace {

struct d_CrownRed {
  std::string_view Code;
  // dominant, codominant, intermediate, suppressed, any other class
  std::array<float, 5> Factor;
};

constexpr std::array<d_CrownRed, 10> kCrownRed = {{
    {"WF", {0.85f, 0.85f, 0.35f, 0.30f, 0.50f}},
    {"PP", {0.55f, 0.55f, 0.30f, 0.15f, 0.50f}},
    {"PS", {0.30f, 0.30f, 0.15f, 0.10f, 0.50f}},
    {"IC", {1.10f, 1.10f, 0.75f, 0.40f, 0.50f}},
    {"DF", {1.15f, 1.15f, 1.15f, 0.75f, 0.50f}},
    {"LP", {0.60f, 0.60f, 0.60f, 0.30f, 0.50f}},
    {"WL", {1.00f, 0.45f, 0.30f, 0.20f, 0.50f}},
    {"WP", {0.80f, 0.90f, 0.60f, 0.35f, 0.70f}},
    {"WC", {1.00f, 1.00f, 1.00f, 0.60f, 0.75f}},
    {"PJ", {1.00f, 1.00f, 1.00f, 1.00f, 1.00f}},
}};

struct d_CrownWidth {
  int Code;
  float A, B, C;
};

// Codes 6 and 38 do not exist.
constexpr std::array<d_CrownWidth, 37> kCrownWidth = {{
    {1, 3.9723f, 0.5177f, 0.473f},  {2, 3.8166f, 0.5229f, 0.452f},  {3, 4.187f, 0.5341f, 0.489f},
    {4, 3.2348f, 0.5179f, 0.385f},  {5, 3.1146f, 0.578f, 0.345f},   {7, 3.0614f, 0.6276f, 0.32f},
    {8, 3.5341f, 0.5374f, 0.331f},  {9, 4.092f, 0.4912f, 0.412f},   {10, 3.6802f, 0.494f, 0.412f},
    {11, 2.4132f, 0.6403f, 0.298f}, {12, 3.2367f, 0.6247f, 0.406f}, {13, 3.061f, 0.6201f, 0.385f},
    {14, 3.4447f, 0.5185f, 0.476f}, {15, 2.8541f, 0.64f, 0.407f},   {16, 4.4215f, 0.5329f, 0.517f},
    {17, 4.4215f, 0.5329f, 0.517f}, {18, 6.2318f, 0.4259f, 0.698f}, {19, 5.4864f, 0.5144f, 0.533f},
    {20, 2.9372f, 0.5878f, 0.253f}, {21, 7.5183f, 0.4461f, 0.815f}, {22, 7.0806f, 0.4771f, 0.73f},
    {23, 7.0806f, 0.4771f, 0.73f},  {24, 5.898f, 0.4841f, 0.601f},  {25, 2.4922f, 0.8544f, 0.14f},
    {26, 4.091f, 0.5907f, 0.351f},  {27, 7.5183f, 0.4461f, 0.815f}, {28, 2.4922f, 0.8544f, 0.14f},
    {29, 4.5859f, 0.4841f, 0.468f}, {30, 2.1039f, 0.6758f, 0.207f}, {31, 2.1606f, 0.6897f, 0.255f},
    {32, 2.1451f, 0.7132f, 0.248f}, {33, 4.5859f, 0.4841f, 0.468f}, {34, 2.4922f, 0.8544f, 0.14f},
    {35, 4.5859f, 0.4841f, 0.468f}, {36, 4.5859f, 0.4841f, 0.468f}, {37, 4.5859f, 0.4841f, 0.468f},
    {39, 4.4215f, 0.5329f, 0.517f},
}};

constexpr float kBreastHeight = 4.5f;

// Column of a crown class: 0 dominant ... 3 suppressed, 4 any other.
int CrownClassColumn(std::string_view crownClass) {
  if (SameKeyword(crownClass, "D") || SameKeyword(crownClass, "E")) return 0;
  if (SameKeyword(crownClass, "C") || SameKeyword(crownClass, "O")) return 1;
  if (SameKeyword(crownClass, "I") || SameKeyword(crownClass, "SC")) return 2;
  if (SameKeyword(crownClass, "S")) return 3;
  return 4;
}

}  // namespace

float ET_CrownRed(std::string_view code, std::string_view crownClass) {
  for (const d_CrownRed& row : kCrownRed) {
    if (SameKeyword(row.Code, code)) return row.Factor[CrownClassColumn(crownClass)];
  }
  return 0.0f;
}

float ET_CrownArea(std::string_view code, float dbh, float height) {
  int number = 0;
  if (!ReadNumber(code, number)) return -1.0f;
  for (const d_CrownWidth& row : kCrownWidth) {
    if (row.Code != number) continue;
    const float width = height > kBreastHeight ? row.A * std::pow(dbh, row.B) : row.C * dbh;
    return kPi<> * (width / 2.0f) * (width / 2.0f);
  }
  return -1.0f;
}

}  // namespace sylvanor
