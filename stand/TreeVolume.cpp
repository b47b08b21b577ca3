#include "stand/TreeVolume.h"

#include <array>
#include <string_view>

#include "base/CFormat.h"
#include "base/Keyword.h"
#include "stand/DllVolume.h"

namespace sylvanor {

namespace {

// Text of each library error number, 1 to 9.
constexpr std::array<std::string_view, 10> kErrorText = {
    "",
    " No/Invalid volume equation match",
    " No form class",
    " DBH less than one, or Invalid Height",
    " Tree height less than 4.5",
    " D2H is out of bounds",
    " No species match",
    " Illegal primary product log height (Ht1prd)",
    " Illegal secondary product log height (Ht2prd)",
    " Upper stem measurements required",
};
constexpr std::string_view kUnknownError = "Unknown Error Type";

std::string_view ErrorText(int error) {
  if (error >= 1 && error < static_cast<int>(kErrorText.size())) return kErrorText[error];
  return kUnknownError;
}

constexpr float kSubalpineFirMaxHeight = 350.0f;
constexpr float kShortAlderHeight = 18.0f;  // red alder below this uses the aspen equation
constexpr std::string_view kAspenEq = "200DVEW746";

}  // namespace

int TreeVolume(const std::string& eqId, float dbh, float topDia, float height, d_TreeVol& volumes,
               std::string& message) {
  message.clear();
  volumes = d_TreeVol{};

  std::string id = eqId;
  if (SameKeyword(id, "I00FW2W019") && height > kSubalpineFirMaxHeight) {
    height = kSubalpineFirMaxHeight;
  }
  if (SameKeyword(id, "A00CURW260") && height < kShortAlderHeight) id = kAspenEq;
  if (dbh < 1.0f) dbh = 1.0f;
  if ((SameKeyword(id, "400MATW081") || SameKeyword(id, "400MATW117")) && height <= 4.5f) {
    id = kAspenEq;
  }

  DllVolume call;
  call.EqId = id;
  call.Dbh = dbh;
  call.Height = height;
  call.TopDia = topDia;
  call.Region = 1;
  call.FormClass = 70;
  call.VolumeFlags = {1, 1, 1, 1, 1, 1};
  call.OtherFlag = 1;
  call.Call();

  if (call.Error != 0) {
    message = CFormat(
        "Error Number %d - Volume Library\n Eq Id: %s, DBH: %4.2f, TopDBH: %4.2f, Height: %4.2f\n",
        call.Error, id, dbh, topDia, height);
    message += ErrorText(call.Error);
    return 0;
  }
  volumes.CuFt = call.Vol[kVolTotalCuFt];
  volumes.BdFt = call.Vol[kVolBoardFt];
  volumes.MeCuFt = call.Vol[kVolMerchCuFt];
  return 1;
}

}  // namespace sylvanor
