#include "treat/BurnoutFiles.h"

#include <algorithm>
#include <array>

#include "base/CFormat.h"
#include "treat/Burnout.h"

namespace sylvanor {

namespace {

constexpr const char* kFrames = "#FRAMES#";

std::string Value(double v) {
  return CFormat("%9.4f", v);
}

}  // namespace

bool c_BurnoutFiles::OpenTable(const std::string& name, double shrubShare, std::string& message) {
  shrubShare_ = shrubShare;
  if (name.empty()) return true;
  tableFile_.open(name, std::ios::binary | std::ios::trunc);
  if (!tableFile_.is_open()) {
    message = CFormat("Can't Open File: %s \n NOTE--> Is it alredy open ?", name);
    return false;
  }
  tableFile_ << "FI = Fire intensity (kW/m2/sec) Con = Consumed (tons/acre ),,,,,,,,,,,\n";
  tableFile_ << "Seconds,";
  for (const char* part : {"Duff", "Woody", "Crown", "Herb", "Shrub"}) {
    tableFile_ << CFormat("%s-FI%s,%s-Con%s,", part, "", part, "");
  }
  tableFile_ << "Tot-FI\n";
  return true;
}

bool c_BurnoutFiles::OpenEmissions(const std::string& name, std::ostream* standardOutput) {
  if (name.empty()) return true;
  if (name == kFrames) {
    frames_ = true;
    emis_ = standardOutput;
    if (emis_ != nullptr) *emis_ << "Emis-Start\n";
  } else {
    splitLayout_ = name.front() == '@';
    emisFile_.open(splitLayout_ ? name.substr(1) : name, std::ios::binary | std::ios::trunc);
    if (!emisFile_.is_open()) return false;
    emis_ = &emisFile_;
  }
  EmissionsHeading();
  return true;
}

void c_BurnoutFiles::EmissionsHeading() {
  if (emis_ == nullptr) return;
  std::ostream& out = *emis_;
  if (splitLayout_) {
    out << " Column  1: Time since ignition, seconds\n"
           " Column  2: Intensity, kW/m2\n";
    int column = 3;
    for (const char* pollutant : {"PM 2.5", "PM 10", "CH4", "CO2", "CO", "NOX", "SO2"}) {
      out << CFormat(" Column %2d: %s flame emissions, g/m2\n", column++, pollutant);
      out << CFormat(" Column %2d: %s smoldering emissions, g/m2\n", column++, pollutant);
    }
    out << " Column 17: Flaming weight consumed, kg/m2\n"
           " Column 18: Smoldering weight consumed, kg/m2\n";
    return;
  }
  out << " Column  1: Time since ignition, seconds\n"
         " Column  2: Intensity, kW/m2\n"
         " Column  3: PM 2.5 emissions, g/m2\n"
         " Column  4: PM 10 emissions, g/m2\n"
         " Column  5: CH4 emissions, g/m2\n"
         " Column  6: CO2 emissions, g/m2\n"
         " Column  7: CO emissions, g/m2\n"
         " Column  8: NOX emissions, g/m2\n"
         " Column  9: SO2 emissions, g/m2\n"
         " Column 10: Flaming weight consumed, kg/m2\n"
         " Column 11: Smoldering weight consumed, kg/m2\n"
         " Column 12: Flame weight consumed, T/ac\n"
         " Column 13: Smoldering weight consumed, T/ac\n";
}

void c_BurnoutFiles::Step(const d_BUStepLine& line, const d_BEStep& emitted) {
  ++steps_;
  const double intensity =
      line.duffIntensity + line.woodyIntensity + line.crownIntensity + line.herbShrubIntensity;
  if (emis_ != nullptr) {
    std::string text = CFormat("%4d", steps_) + Value(line.time) + Value(intensity);
    if (splitLayout_) {
      for (std::size_t p = 0; p < kPollutants; ++p) {
        text += Value(emitted.flame[p]) + Value(emitted.smolder[p]);
      }
      text += Value(emitted.flameMass) + Value(emitted.smolderMass);
    } else {
      for (std::size_t p = 0; p < kPollutants; ++p) {
        text += Value(emitted.flame[p] + emitted.smolder[p]);
      }
      text += Value(emitted.flameMass) + Value(emitted.smolderMass) +
              Value(emitted.flameMass * kBUTonsAcrePerKgM2) +
              Value(emitted.smolderMass * kBUTonsAcrePerKgM2);
    }
    *emis_ << text << '\n';
  }
  if (tableFile_.is_open()) {
    const double herbI = line.herbShrubIntensity * (1 - shrubShare_);
    const double shrubI = line.herbShrubIntensity * shrubShare_;
    const double herb = line.herbShrub * (1 - shrubShare_) * kBUTonsAcrePerKgM2;
    const double shrub = line.herbShrub * shrubShare_ * kBUTonsAcrePerKgM2;
    const double duff = line.duff * kBUTonsAcrePerKgM2;
    const double woody = line.woody * kBUTonsAcrePerKgM2;
    const double crown = line.crown * kBUTonsAcrePerKgM2;
    tableFile_ << CFormat("%.0f,%.4f,%.6f,%.4f,%.6f,%.4f,%.6f,%.4f,%.6f,%.4f,%.6f,%.4f\n",
                          line.time, line.duffIntensity, duff, line.woodyIntensity, woody,
                          line.crownIntensity, crown, herbI, herb, shrubI, shrub, intensity);
    maxDuffI_ = std::max(maxDuffI_, line.duffIntensity);
    maxWoodyI_ = std::max(maxWoodyI_, line.woodyIntensity);
    maxCrownI_ = std::max(maxCrownI_, line.crownIntensity);
    maxHerbI_ = std::max(maxHerbI_, herbI);
    maxShrubI_ = std::max(maxShrubI_, shrubI);
    maxTotI_ = std::max(maxTotI_, intensity);
    totDuff_ += duff;
    totWoody_ += woody;
    totCrown_ += crown;
    totHerb_ += herb;
    totShrub_ += shrub;
  }
}

void c_BurnoutFiles::TableTotals() {
  tableFile_ << CFormat("Max-FI / Tot-Con,%.4f,%.6f,%.4f,%.6f,%.4f,%.6f,%.4f,%.6f,%.4f,%.6f,%.4f\n",
                        maxDuffI_, totDuff_, maxWoodyI_, totWoody_, maxCrownI_, totCrown_,
                        maxHerbI_, totHerb_, maxShrubI_, totShrub_, maxTotI_);
}

bool c_BurnoutFiles::WriteConsumed(const d_BU& bu, const std::string& name, double duration,
                                   std::string& message) {
  if (name.empty()) return true;
  std::ofstream file(name, std::ios::binary | std::ios::trunc);
  if (!file.is_open()) {
    message = CFormat("Can't open Burnout output consumed file.\n%s", name);
    return false;
  }
  file << "Column 1: Fuel component\n"
          "       2: Preburn fuel load (kg/m2) \n"
          "       3: Postburn fuel load (kg/m2) \n"
          "       4: Ignition time (sec) \n"
          "       5: Burnout time (sec) \n"
          "       6: Moisture content (fraction) \n"
          "       7: Surface to volume ratio (1/m) \n"
          "       8: Preburn fuel load (T/ac) \n"
          "       9: Postburn fuel load (T/ac) \n"
          "      10: Preburn fuel load (lb/ac) \n"
       << CFormat("      11: Postburn fuel load (%s) \n", "lb/ac")
       << CFormat("\n       %6.0f  Duration of fire (%s)\n\n", duration, "sec");
  for (int k = 0; k < bu.number; ++k) {
    const d_BUParticle& p = bu.particles[static_cast<std::size_t>(k)];
    const double pre = p.load * kBUTonsAcrePerKgM2;
    const double post = p.remaining * kBUTonsAcrePerKgM2;
    file << CFormat(
        "%5ld   %8.5lf %8.5lf    %6.0f --> %6.0f   %6.2lf %8.2lf   %8.5lf %8.5lf    %6.0f %6.0f\n",
        k + 1, p.load, p.remaining, p.ignition, p.burnout, p.moisture, p.sigma, pre, post,
        pre * 2000, post * 2000);
  }
  return true;
}

void c_BurnoutFiles::Close() {
  if (frames_ && emis_ != nullptr) *emis_ << "Emis-End\n";
  frames_ = false;
  emis_ = nullptr;
  emisFile_.close();
  if (tableFile_.is_open()) {
    TableTotals();
    tableFile_.close();
  }
}

}  // namespace sylvanor
