#include "treat/EmissionFactors.h"

int c_NES::LoadFile(std::string& message) {
  message = "not yet";
  return 0;
}
int c_NES::LoadFile(const std::string&, std::string& message) {
  message = "not yet";
  return 0;
}
int c_NES::Get_MajFactor(const std::string&, float&, float&, float&, float&, float&, float&,
                         float&) const {
  return 0;
}
float c_NES::Get_CriFirInt() const {
  return 15.0f;
}
