#include "tests/support/BatchFiles.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

#include "base/CsvRow.h"

namespace sylvanor {

namespace fs = std::filesystem;

const char* const kProjectSettings =
    "#BCBMoist Moderate \n#EmisType Default \n#FMSModel Scott-40 \n#FMSClimate Humid \n"
    "#FMSBedDep   0.5000\n#FMSSAVGra 1800.0000\n#FMSSAVShu 1500.0000\n#FMSSAV1Hr 2000.0000\n";

std::string TestProject(const std::string& moist10Hr, const std::string& tail,
                        const std::string& species) {
  return (species.empty() ? "#Species-0 Dry$Pines PP 0 10 5\n#Species-1 Wet$Firs GF 0 99 20\n"
                            "#Species-2 Dry$Pines DF 5.5 20 40\n"
                          : species) +
         "#RetPri-0 Default Std 1 0.8 0.5 0 1 0.9 0.7 1 0.3 1 0.5 0.2 0.6 0.4 Wet$Firs\n"
         "#RetPri-1 Light$Touch Keep 0.9 0.7 0.4 0.1 0.95 0.85 0.6 0.92 0.2 0.8 0.55 0.3 0.75 "
         "0.25 Dry$Pines\n"
         "#Treatment-0 Burn$Only None 0 0 0  0 0 0 0 0  0 0 0 0 5  12 15 100 Interior Fall \n"
         "#Treatment-1 Thin$Heavy BasalArea 80 90 7  4 10 1 24 8  30 50 60 70 12  " +
         moist10Hr + " 15 120 Interior Spring \n" + tail;
}

std::string LinkRow(const std::string& plot) {
  return plot + ", , Default, Burn Only, No, No, No, No\n";
}

std::string VxdPlots(const std::string& plots) {
  std::string text =
      "Plot,Duff,DuffDept,Grass,Lichen,Moss,Shrub,Litter,Hr1,Hr10,Hr100,SC1Snd,SC2Snd,SC3Snd,"
      "SC4Snd,SC5Snd,SC1Rot,SC2Rot,SC3Rot,SC4Rot,SC5Rot,Pile\n";
  std::istringstream names(plots);
  for (std::string plot; std::getline(names, plot, ',');) {
    text += plot + ",5,1,0.2,0,0,0.3,1,0.4,1,1.5,1,1,0,0,0,0,0.5,0,0,0,0\n";
  }
  return text;
}

void LoadTestFactors(c_NES& nes) {
  std::istringstream file(
      "##,units:g/kg,Carbon dioxide,Carbon monoxide,Methane,Nitrogen oxides,Sulfur dioxide,Fine "
      "particles,Particles,Ammonia\nGroup #,# Cover Type,Type,CO2,CO,CH4,NOx as NO,SO2,PM2.5,"
      "PM10,NH3\n1,Forest,STFS,1600,90,3,2.5,1,12,14,1.5\n7,Duff,DuffRSC,1400,250,8,0.5,1.7,30,"
      "33,3\n8,Wood,CWDRSC,1500,200,7,0.8,1.6,25,29,2\n");
  std::string message;
  EXPECT_EQ(nes.Read(file, "factors", message), 1) << message;
}

BatchHomeTest::BatchHomeTest() {
  fs::create_directories(user_);
  Ship();
}

void BatchHomeTest::Ship() const {
  const char* files[][2] = {
      {"VX-UD.txt", "Sylvanor Test\r\nanything else\r\n"},
      {"VX-MovFil.txt",
       "QOR_SPP.CSV\r\n\r\n  Emission_Factors.csv \r\nVX_Sample.vxp\r\nPDQ_Sample.pdq\r\n"},
      {"qor_Spp.csv", "mortality\n"},
      {"Emission_Factors.csv", "factors\n"},
      {"VX_Sample.vxp", "#Thin Yes\n#BCBMoist Dry "},
      {"PDQ_Sample.pdq", "plots\n"},
      {"not_listed.txt", "x"}};
  for (const auto& [name, text] : files) {
    temp_.Write(name, text);
  }
}

BatchRunnerFn BatchHomeTest::Recorder() {
  return
      [this](const d_BatchFiles& files, const std::string& folder, const d_BatchOptions& options) {
        ++runs_;
        files_ = files;
        userFolder_ = folder;
        options_ = options;
        for (int done = 1; done <= 3 && options.progress; ++done) {
          options.progress(done, 3);
        }
        return outcome_;
      };
}

DetailsRows ReadDetails(const std::string& file) {
  std::istringstream details(ReadFile(file));
  std::string names, line;
  std::getline(details, names), std::getline(details, line);  // the units
  const std::vector<std::string> n = csv_read_row(names, ',');
  DetailsRows plots;
  while (std::getline(details, line)) {
    const std::vector<std::string> v = csv_read_row(line, ',');
    EXPECT_EQ(v.size(), n.size()) << "fields of the row of " << v[0];
    for (std::size_t k = 0; k < n.size() && k < v.size(); ++k)
      plots[v[0]][n[k]] = v[k];
  }
  return plots;
}

DetailsRows RunSampleBatch(c_FBC& fbc, const std::filesystem::path& out) {
  const std::string in = SYLVANOR_DATA_DIR "/sample/", o = out.string() + "/";
  const d_BatchFiles files{in + "Sample.vxd",
                           in + "Sample.tre",
                           in + "Link-Treatment.csv",
                           in + "Sample.vxp",
                           o + "out.csv",
                           o + "errors.txt",
                           "",
                           "",
                           o + "details.csv"};
  EXPECT_EQ(fbc.RunBatch(files, MakeShippedUserFolder(out / "user").string()).result, 1);
  return ReadDetails(files.Details);
}

}  // namespace sylvanor
