#pragma once
// One call of the volume library (platform/Tarmel.h): the caller fills the
// inputs, runs Call once and reads the outputs. A new instance serves each
// call.

#include <array>
#include <string>

#include "platform/Tarmel.h"

namespace sylvanor {

class DllVolume {
 public:
  // Runs TARMELVER (its number is not used), then TARMELEQ when the held
  // identifier is shorter than 10 characters (its answer, possibly "",
  // replaces the identifier), then TARMELVOLUME.
  void Call();

  // text inputs
  std::string EqId;  // volume equation identifier, e.g. "I00FW2W202"
  std::string Forest;
  std::string District;
  std::string Product = "02";
  std::string HeightType = "F";  // heights in feet
  std::string LiveDead = "L";    // a live tree
  std::string Species = "ALRU";  // plant symbol, for TARMELEQ
  // Product, HeightType and LiveDead are held for the call; our library
  // does not read them.

  // numeric inputs
  float Dbh = 0;     // in
  float Height = 0;  // total height, ft
  float TopDia = 0;  // merchantable top inside bark, in
  int Region = 0;
  int FormClass = 0;
  std::array<int, 6> VolumeFlags{};
  int OtherFlag = 0;

  // outputs
  std::array<float, kTarmelVolumes> Vol{};
  int Error = 0;
  std::string SettledEqId;  // the identifier the library settled on
};

}  // namespace sylvanor
