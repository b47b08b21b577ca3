#pragma once
// The surface fuel of a plot: the 19 loads, in the order the program lists
// them wherever they are listed — duff, litter, lichen, moss, grass (herb),
// shrub, 1-, 10- and 100-hour wood, the five 1000-hour sound size classes and
// the five rotten ones (3-6, 6-9, 9-12, 12-20 and over 20 in) — and the
// existing piles. Tons/acre, or kg/m2 where the settings are metric.

#include <array>
#include <cstddef>

namespace sylvanor {

inline constexpr std::size_t kSizeClasses = 5;

struct d_SurfaceFuel {
  float Duff = 0, Litter = 0, Lichen = 0, Moss = 0, Grass = 0, Shrub = 0;
  float Hr1 = 0, Hr10 = 0, Hr100 = 0;
  std::array<float, kSizeClasses> Snd{};  // 1000-hour sound, size classes 1-5
  std::array<float, kSizeClasses> Rot{};  // 1000-hour rotten, size classes 1-5
  float Pile = 0;                         // existing piles
};

// The 19 loads and the piles, in the order above, for what is done to every
// load alike (pointers to const for a const record).
template <class Fuel>
auto Loads(Fuel& f) -> std::array<decltype(&f.Duff), 20> {
  return {&f.Duff,   &f.Litter, &f.Lichen, &f.Moss,   &f.Grass,  &f.Shrub,  &f.Hr1,
          &f.Hr10,   &f.Hr100,  &f.Snd[0], &f.Snd[1], &f.Snd[2], &f.Snd[3], &f.Snd[4],
          &f.Rot[0], &f.Rot[1], &f.Rot[2], &f.Rot[3], &f.Rot[4], &f.Pile};
}

}  // namespace sylvanor
