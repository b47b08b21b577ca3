#include "batch/OutputWriters.h"

#include <algorithm>
#include <filesystem>
#include <vector>

#include "base/CFormat.h"
#include "base/TextUtil.h"
#include "stand/UnitFactors.h"

namespace sylvanor {

namespace {

// Converts g/m2 to lb/acre.
constexpr std::size_t kEmisComponents = 220;  // components totalled in the expanded form

std::string NoCommas(std::string text) {
  StrRepChr(text, ',', ';');
  return text;
}

}  // namespace

std::string EmissionFileName(const std::string& outputFile) {
  const std::filesystem::path out(outputFile);
  return (out.parent_path() / (out.stem().string() + "-Emis.csv")).string();
}

std::string OutputHeading() {
  return "PlotID, MonSta, preCFL, postCFL, preCBD, postCBD, preCBH, postCBH, preSH, postSH, "
         "preTD, postTD, preSDI, postSDI, preCC, postCC, preBA, postBA, preQMD, postQMD, "
         "preQ75, postQ75, preTORI, postTORI, preCRNI, postCRNI, stdCubicFt, HarCubicFt, "
         "stdMCFt, HarMCFt, stdMBFt, HarMBFt, preFueMod, postFueMod\n"
         " Units,,T/ac,T/ac,kg/m3,kg/m3,ft,ft,ft,ft,tpa,tpa,tpa,tpa,percent,percent,ft2/ac, "
         "ft2/ac,     in,      in,     in,      in,   mi/hr,    mi/hr,   mi/hr,    mi/hr,    "
         "ft3/ac,     ft3/ac,  ft3/ac,  ft3/ac,   ft/ac,   ft/ac,      code,       code\n";
}

OutputValues PlotOutputValues(const Sylvanor& s, float preTorch, float preCrown, float postTorch,
                              float postCrown) {
  return {s.Get_PreAvailFuel(),
          s.Get_AvailFuel(),
          s.Get_Precbd(),
          s.Get_cbd(),
          s.Get_Precbh(),
          s.Get_cbh(),
          s.Get_Presh(),
          s.Get_sh(),
          s.Get_PreSteDen(),
          s.Get_SteDen(),
          s.Get_PreStdDenIdx(),
          s.Get_StdDenIdx(),
          s.Get_PreCanCov(),
          s.Get_CanCov(),
          s.Get_PreBasal(),
          s.Get_Basal(),
          s.Get_PreQuaMeaDia(),
          s.Get_QuaMeaDia(),
          s.Get_PreQd75(),
          s.Get_Qd75(),
          preTorch,
          postTorch,
          preCrown,
          postCrown,
          s.Get_StCuFt(),
          s.Get_HaCuFt(),
          s.Get_StMeCuft(),
          s.Get_HaMeCuft(),
          s.Get_StBdft(),
          s.Get_HaBdft()};
}

std::string FormatOutputValues(const char* format, const std::vector<std::string>& before,
                               const OutputValues& values, const std::vector<std::string>& after) {
  std::vector<CFormatArg> args(before.begin(), before.end());
  for (const float v : values)
    args.emplace_back(static_cast<double>(v));
  args.insert(args.end(), after.begin(), after.end());
  return CFormatArgs(format, args);
}

std::string OutputLine(const Sylvanor& s, const std::string& plot, const std::string& station,
                       float preTorch, float preCrown, float postTorch, float postCrown) {
  return FormatOutputValues(
      "%s, %s, %6.2f, %6.2f, %6.3f, %6.3f, %6.2f, %6.2f, %6.2f, %6.2f, %6.2f, %6.2f, %6.2f, "
      "%6.2f,  %6.2f, %6.2f, %6.2f, %6.2f, %6.2f, %6.2f, %6.2f, %6.2f, %6.0f, %6.0f, %6.0f, "
      "%6.0f, %6.2f, %6.2f, %6.2f, %6.2f,  %6.2f, %6.2f, %s, %s \n",
      {plot, station}, PlotOutputValues(s, preTorch, preCrown, postTorch, postCrown),
      {s.Get_FuelModel_PreTreatment(), s.Get_FuelModel_PostTreatment()});
}

std::string EmissionValue(float value) {
  if (value < 1.0f) return CFormat(",%4.2f", value);
  if (value < 10.0f) return CFormat(",%4.1f", value);
  return CFormat(",%4.0f", value);
}

std::string EmissionDefaultHeading() {
  return "Plot,MonSta,Type,CO2,CO,CH4,NOX,SO2,PM2.5,PM10\n"
         ",,,lb/ac,lb/ac,lb/ac,lb/ac,lb/ac,lb/ac,lb/ac\n";
}

std::string EmissionDefaultLines(const Sylvanor& s, const std::string& plot,
                                 const std::string& station) {
  return EmissionDefaultRows(s, plot + ',' + station);
}

std::string EmissionDefaultRows(const Sylvanor& s, const std::string& lead) {
  std::string text;
  for (const char* type : {"Flame", "Smolder", "Total"}) {
    float pm25 = 0, pm10 = 0, ch4 = 0, co2 = 0, co = 0, nox = 0, so2 = 0;
    s.Get_EmiTot(type, pm25, pm10, ch4, co2, co, nox, so2);
    text += CFormat("%s,%s", lead, type);
    for (const float v : {co2, co, ch4, nox, so2, pm25, pm10}) {
      text += EmissionValue(v);
    }
    text += '\n';
  }
  return text;
}

std::string EmissionComponentHeadings(const c_NES& nes, const d_EmisSettings& emis, bool codes) {
  std::string text;
  for (int k = 1; k <= nes.ComponentCount(); ++k) {
    std::string cover, heading, code;
    float factor = 0;
    if (nes.Get_Factor(emis.Flame.Name, k, cover, factor, heading, code) != 1) continue;
    text += "," + NoCommas(codes ? code : heading);
  }
  return text;
}

std::string EmissionExpandHeading(const c_NES& nes, const d_EmisSettings& emis) {
  return "Plot,MonSta,Type" + EmissionComponentHeadings(nes, emis) + "\n,," +
         EmissionComponentHeadings(nes, emis, true) + "\n";
}

std::string EmissionExpandLines(const Sylvanor& s, const c_NES& nes, const d_EmisSettings& emis,
                                const std::string& plot, const std::string& station) {
  return EmissionExpandRows(s, nes, emis, plot + ',' + station);
}

std::string EmissionExpandRows(const Sylvanor& s, const c_NES& nes, const d_EmisSettings& emis,
                               const std::string& lead) {
  float flame = 0, coarse = 0, duff = 0;
  s.Get_EmiMass(flame, coarse, duff);
  const int components = std::min(nes.ComponentCount(), static_cast<int>(kEmisComponents));
  std::vector<float> total(static_cast<std::size_t>(components) + 1, 0.0f);
  std::vector<bool> counted(total.size(), false);
  std::string cover, heading, code;

  std::string text = lead + ",STFS";
  for (int k = 1; k <= components; ++k) {
    float factor = 0;
    if (nes.Get_Factor(emis.Flame.Name, k, cover, factor, heading, code) != 1) continue;
    const float v = flame * factor * kLbAcrePerGm2<>;
    text += EmissionValue(v);
    total[k] += v;
  }
  text += '\n';

  text += lead + ",CWDRSC+Duff";
  for (int k = 1; k <= components; ++k) {
    float factor = 0;
    if (nes.Get_Factor(emis.Coarse.Name, k, cover, factor, heading, code) != 1) continue;
    float duffFactor = 0;
    // a duff group without this component adds nothing
    if (nes.Get_Factor(emis.Duff.Name, k, cover, duffFactor, heading, code) != 1) duffFactor = 0;
    const float v = (coarse * factor + duff * duffFactor) * kLbAcrePerGm2<>;
    text += EmissionValue(v);
    total[k] += v;
    counted[k] = true;
  }
  text += '\n';

  text += lead + ",Total";
  for (int k = 1; k <= components; ++k) {
    if (counted[k]) text += EmissionValue(total[k]);
  }
  text += '\n';
  return text;
}

std::string ProfileHeading() {
  std::string text = ",Height - ft, CBD - kg/m3\nPlot";
  for (int k = 1; k <= kProfileColumns; ++k)
    text += CFormat(",%d", k);
  return text + '\n';
}

std::string ProfileLine(const std::string& plot, std::span<const float> layers, int layerCount) {
  std::string text = plot;
  // column k holds the layer whose top is k layer widths up
  const std::size_t count = std::min({static_cast<std::size_t>(std::max(layerCount, 0)),
                                      layers.size(), static_cast<std::size_t>(kProfileColumns)});
  for (std::size_t k = 0; k < static_cast<std::size_t>(kProfileColumns); ++k)
    text += CFormat(",%f", k < count ? layers[k] : -1.0f);
  return text + '\n';
}

}  // namespace sylvanor
