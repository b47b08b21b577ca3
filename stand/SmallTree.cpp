#include "stand/SmallTree.h"

#include <cmath>

#include "base/Keyword.h"

namespace sylvanor {

namespace {

using Classes = std::array<SmallTreeWeights, kSmallTreeClasses>;

// Total, Foliage, Twig, 1in, 3in, 3+ for height classes 1 to 10.
constexpr Classes kDouglasFirPine = {{
    {0.03f, 0.011f, 0.005f, 0.011f, 0.002f, 0.0f},
    {0.2f, 0.076f, 0.036f, 0.076f, 0.012f, 0.0f},
    {0.56f, 0.213f, 0.101f, 0.213f, 0.034f, 0.0f},
    {1.18f, 0.448f, 0.212f, 0.448f, 0.071f, 0.0f},
    {2.09f, 0.648f, 0.293f, 0.481f, 0.669f, 0.0f},
    {3.33f, 1.032f, 0.466f, 0.766f, 1.066f, 0.0f},
    {4.94f, 1.531f, 0.692f, 1.136f, 1.581f, 0.0f},
    {6.95f, 2.155f, 0.973f, 1.599f, 2.224f, 0.0f},
    {9.39f, 2.911f, 1.315f, 2.16f, 3.005f, 0.0f},
    {12.3f, 3.321f, 1.353f, 2.337f, 3.69f, 1.599f},
}};

constexpr Classes kSpruceSubalpineFir = {{
    {0.03f, 0.015f, 0.006f, 0.007f, 0.002f, 0.0f},
    {0.2f, 0.102f, 0.042f, 0.046f, 0.01f, 0.0f},
    {0.56f, 0.286f, 0.118f, 0.129f, 0.028f, 0.0f},
    {1.18f, 0.602f, 0.248f, 0.271f, 0.059f, 0.0f},
    {2.09f, 0.836f, 0.334f, 0.355f, 0.543f, 0.0f},
    {3.33f, 1.332f, 0.533f, 0.566f, 0.866f, 0.0f},
    {4.94f, 1.976f, 0.79f, 0.84f, 1.284f, 0.0f},
    {6.95f, 2.78f, 1.112f, 1.182f, 1.807f, 0.0f},
    {9.39f, 3.756f, 1.502f, 1.596f, 2.441f, 0.0f},
    {12.3f, 4.059f, 1.476f, 2.214f, 3.567f, 0.984f},
}};

constexpr Classes kWhitePine = {{
    {0.06f, 0.029f, 0.013f, 0.018f, 0.001f, 0.0f},
    {0.25f, 0.12f, 0.053f, 0.075f, 0.003f, 0.0f},
    {0.61f, 0.293f, 0.128f, 0.183f, 0.006f, 0.0f},
    {1.15f, 0.552f, 0.242f, 0.345f, 0.012f, 0.0f},
    {1.87f, 0.58f, 0.299f, 0.337f, 0.655f, 0.0f},
    {2.78f, 0.862f, 0.445f, 0.5f, 0.973f, 0.0f},
    {3.88f, 1.203f, 0.621f, 0.698f, 1.358f, 0.0f},
    {5.19f, 1.609f, 0.83f, 0.934f, 1.817f, 0.0f},
    {6.71f, 2.08f, 1.074f, 1.208f, 2.349f, 0.0f},
    {8.43f, 2.108f, 1.012f, 1.265f, 3.119f, 0.927f},
}};

constexpr Classes kGrandFir = {{
    {0.06f, 0.031f, 0.013f, 0.014f, 0.003f, 0.0f},
    {0.25f, 0.128f, 0.053f, 0.058f, 0.013f, 0.0f},
    {0.61f, 0.311f, 0.128f, 0.14f, 0.031f, 0.0f},
    {1.15f, 0.587f, 0.242f, 0.265f, 0.058f, 0.0f},
    {1.87f, 0.748f, 0.299f, 0.318f, 0.486f, 0.0f},
    {2.78f, 1.112f, 0.445f, 0.473f, 0.723f, 0.0f},
    {3.88f, 1.552f, 0.621f, 0.66f, 1.009f, 0.0f},
    {5.19f, 2.076f, 0.83f, 0.882f, 1.349f, 0.0f},
    {6.71f, 2.684f, 1.074f, 1.141f, 1.745f, 0.0f},
    {8.43f, 2.782f, 1.012f, 1.517f, 2.445f, 0.674f},
}};

constexpr Classes kWhitebarkLodgepole = {{
    {0.06f, 0.016f, 0.014f, 0.023f, 0.008f, 0.0f},
    {0.25f, 0.065f, 0.058f, 0.095f, 0.033f, 0.0f},
    {0.61f, 0.159f, 0.14f, 0.232f, 0.079f, 0.0f},
    {1.15f, 0.299f, 0.265f, 0.437f, 0.15f, 0.0f},
    {1.87f, 0.393f, 0.355f, 0.486f, 0.636f, 0.0f},
    {2.78f, 0.584f, 0.528f, 0.723f, 0.945f, 0.0f},
    {3.88f, 0.815f, 0.737f, 1.009f, 1.319f, 0.0f},
    {5.19f, 1.09f, 0.986f, 1.349f, 1.765f, 0.0f},
    {6.71f, 1.409f, 1.275f, 1.745f, 2.281f, 0.0f},
    {8.43f, 1.265f, 1.18f, 1.349f, 3.709f, 0.927f},
}};

constexpr Classes kRedCedar = {{
    {0.02f, 0.01f, 0.004f, 0.005f, 0.001f, 0.0f},
    {0.13f, 0.066f, 0.027f, 0.03f, 0.007f, 0.0f},
    {0.34f, 0.173f, 0.071f, 0.078f, 0.017f, 0.0f},
    {0.69f, 0.352f, 0.145f, 0.159f, 0.035f, 0.0f},
    {1.17f, 0.468f, 0.187f, 0.199f, 0.304f, 0.0f},
    {1.82f, 0.728f, 0.291f, 0.309f, 0.473f, 0.0f},
    {2.64f, 1.056f, 0.422f, 0.449f, 0.686f, 0.0f},
    {3.65f, 1.46f, 0.584f, 0.621f, 0.949f, 0.0f},
    {4.84f, 1.936f, 0.774f, 0.823f, 1.258f, 0.0f},
    {6.24f, 2.059f, 0.749f, 1.123f, 1.81f, 0.499f},
}};

constexpr Classes kLarch = {{
    {0.02f, 0.005f, 0.005f, 0.008f, 0.003f, 0.0f},
    {0.13f, 0.034f, 0.03f, 0.049f, 0.017f, 0.0f},
    {0.34f, 0.088f, 0.078f, 0.129f, 0.044f, 0.0f},
    {0.69f, 0.179f, 0.159f, 0.262f, 0.09f, 0.0f},
    {1.17f, 0.246f, 0.222f, 0.304f, 0.398f, 0.0f},
    {1.82f, 0.382f, 0.346f, 0.473f, 0.619f, 0.0f},
    {2.64f, 0.554f, 0.502f, 0.686f, 0.898f, 0.0f},
    {3.65f, 0.767f, 0.694f, 0.949f, 1.241f, 0.0f},
    {4.84f, 1.016f, 0.92f, 1.258f, 1.646f, 0.0f},
    {6.24f, 0.936f, 0.874f, 0.998f, 2.746f, 0.686f},
}};

constexpr Classes kWesternHemlock = {{
    {0.01f, 0.004f, 0.002f, 0.004f, 0.001f, 0.0f},
    {0.05f, 0.019f, 0.009f, 0.019f, 0.003f, 0.0f},
    {0.16f, 0.061f, 0.029f, 0.061f, 0.01f, 0.0f},
    {0.35f, 0.133f, 0.063f, 0.133f, 0.021f, 0.0f},
    {0.64f, 0.198f, 0.09f, 0.147f, 0.205f, 0.0f},
    {1.05f, 0.326f, 0.147f, 0.242f, 0.336f, 0.0f},
    {1.6f, 0.496f, 0.224f, 0.368f, 0.512f, 0.0f},
    {2.31f, 0.716f, 0.323f, 0.531f, 0.739f, 0.0f},
    {3.18f, 0.986f, 0.445f, 0.731f, 1.018f, 0.0f},
    {4.24f, 1.145f, 0.466f, 0.806f, 1.272f, 0.551f},
}};

// Codes sharing one set of weights point at the same classes.
constexpr std::array<d_SmallTreeRow, 11> kRows = {{
    {"DF", &kDouglasFirPine},
    {"PP", &kDouglasFirPine},
    {"ES", &kSpruceSubalpineFir},
    {"SF", &kSpruceSubalpineFir},
    {"WP", &kWhitePine},
    {"GF", &kGrandFir},
    {"WB", &kWhitebarkLodgepole},
    {"LP", &kWhitebarkLodgepole},
    {"WC", &kRedCedar},
    {"WL", &kLarch},
    {"WH", &kWesternHemlock},
}};

// Codes without a row of their own (the hardwoods, pinyon, juniper, the
// eastern species) take these weights.
constexpr std::string_view kFallbackCode = "DF";

}  // namespace

int SmallTree_HeightClass(float height) {
  if (!(height > 1.0f)) return 1;
  if (height > 9.0f) return 10;
  return static_cast<int>(std::ceil(height));
}

const d_SmallTreeRow* SmallTree_Find(std::span<const d_SmallTreeRow> rows, std::string_view code) {
  for (const d_SmallTreeRow& row : rows) {
    if (SameKeyword(row.Code, code)) return &row;
  }
  return nullptr;
}

std::span<const d_SmallTreeRow> SmallTree_Table() {
  return kRows;
}

SmallTreeWeights SmallTree_Weights(std::string_view code, float height) {
  const d_SmallTreeRow* row = SmallTree_Find(kRows, code);
  if (row == nullptr) row = SmallTree_Find(kRows, kFallbackCode);
  const std::size_t cls = static_cast<std::size_t>(SmallTree_HeightClass(height) - 1);
  return (*row->Classes)[cls];
}

}  // namespace sylvanor
