#pragma once
// The emission factor table: smoke emission factors (g of pollutant per kg
// of fuel consumed) by factor group, read from the emission factor file.

#include <string>

class c_NES {
 public:
  // Reads the file named by the environment (see NES_FilePath). 1 on
  // success; 0 or a negative number with the reason in `message`.
  int LoadFile(std::string& message);
  // The same for a given path.
  int LoadFile(const std::string& path, std::string& message);

  // The seven factors of a group, in the order CO, CO2, CH4, PM2.5, PM10,
  // NOx, SO2; 0 when the group is not in the table, else 1.
  int Get_MajFactor(const std::string& group, float& co, float& co2, float& ch4, float& pm25,
                    float& pm10, float& nox, float& so2) const;

  // The critical fire intensity of the expanded emissions, kW/m2.
  float Get_CriFirInt() const;
};
