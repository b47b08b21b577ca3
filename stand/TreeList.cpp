#include "stand/TreeList.h"

#include <utility>

#include "base/CFormat.h"
#include "base/Keyword.h"
#include "stand/EquationTable.h"
#include "stand/UnitFactors.h"

namespace sylvanor {

namespace {

// English limits and their Metric equivalents.
constexpr float kMaxDiaIn = 300.0f;
constexpr float kMaxDiaCm = 762.0f;
constexpr float kMaxHgtFt = 1000.0f;
constexpr float kMaxHgtM = 304.8f;
constexpr float kMaxTpaAcre = 100000.0f;
constexpr float kMaxTpaHa = 247100.0f;

bool IsCrownClass(const std::string& code) {
  for (const char* c : {"D", "C", "I", "S", "O", "E", "N", "SC"}) {
    if (SameKeyword(code, c)) return true;
  }
  return false;
}

bool IsStatus(const std::string& code) {
  for (const char* c : {"H", "U", "S", "D"}) {
    if (SameKeyword(code, c)) return true;
  }
  return false;
}

// Every check of a tree line, in the order the messages are given; the
// numbers are in the caller's units. Written so that a NaN fails each check.
bool CheckTree(const d_ETTable& speciesTable, const std::string& species, float dia, float hgt,
               float crnHgt, float tpa, const std::string& crnCls, const std::string& status,
               float retPri, float cutEff, bool metric, std::string& message) {
  if (ET_Idx(speciesTable, species) < 0) {
    message = CFormat("Error - Invalid Species Code %s\n", species);
    return false;
  }
  if (!IsCrownClass(crnCls)) {
    message = CFormat("Invalid Code %s, use: %s %s %s %s %s %s %s %s", crnCls, "D", "C", "I", "S",
                      "O", "E", "SC", "N");
    return false;
  }
  const float diaLimit = metric ? kMaxDiaCm : kMaxDiaIn;
  if (!(dia > 0 && dia <= diaLimit)) {
    message = CFormat("Error - Invalid Diameter %6.1f, Limit is %5.1f\n", dia, diaLimit);
    return false;
  }
  const float hgtLimit = metric ? kMaxHgtM : kMaxHgtFt;
  if (!(hgt > 0 && hgt <= hgtLimit)) {
    message = CFormat("Error - Invalid Tree Height %6.1f, Limit is %5.1f\n", hgt, hgtLimit);
    return false;
  }
  if (!(crnHgt >= 0)) {
    message = CFormat("Error - Tree Crown Height (%6.1f) is less than 0 \n", crnHgt);
    return false;
  }
  if (crnHgt >= hgt) {
    message =
        CFormat("Error - Tree Crown Height (%6.1f) is greater/equal than top height (%5.1f)\n",
                crnHgt, hgt);
    return false;
  }
  const float tpaLimit = metric ? kMaxTpaHa : kMaxTpaAcre;
  if (!(tpa > 0 && tpa <= tpaLimit)) {
    message = CFormat("Error - Invalid number of trees %6.1f, Limit is %5.1f\n", tpa, tpaLimit);
    return false;
  }
  if (!IsStatus(status)) {
    message = CFormat("Error - Invalid Tree Status Code: %s \n", status);
    return false;
  }
  if (!(retPri >= 0)) {
    message = CFormat("Error - Invalid Retention Priority: %4.2f, use 0 -> 1.0\n", retPri);
    return false;
  }
  if (!(cutEff >= 0 && cutEff <= 1.0f)) {
    message = CFormat("Error - Invalid Free Thinning Cut Efficency: %4.2f, use 0 -> 1.0\n", cutEff);
    return false;
  }
  return true;
}

}  // namespace

int PTL_InitTbl(d_PTLTable& table) {
  // A record without a species is never read, and PTL_PutRec clears a slot
  // before filling it, so only the records in use need clearing: a batch
  // empties the table for every plot.
  for (d_PTLRec& rec : table) {
    if (!rec.Species.empty()) rec = d_PTLRec{};
  }
  return kTreeListMax;
}

int PTL_PutRec(d_PTLTable& table, const d_ETTable& speciesTable, int recNum, int treeNum,
               const std::string& species, float dia, float hgt, float crnHgt, float tpa,
               const std::string& crnCls, const std::string& status, float retPri, float cutEff,
               const std::string& units, const std::string& note, std::string& message) {
  message.clear();
  const bool metric = SameKeyword(units, "Metric");
  if (!CheckTree(speciesTable, species, dia, hgt, crnHgt, tpa, crnCls, status, retPri, cutEff,
                 metric, message)) {
    return 0;
  }
  if (metric) {
    dia *= kInPerCm<>;
    hgt *= kFtPerM<>;
    crnHgt *= kFtPerM<>;
    tpa /= kAcresPerHa<>;
  }

  int slot = 0;
  for (;; ++slot) {
    if (slot >= kTreeListMax) {
      message = CFormat("Error - Plot Tree List Table is full, max size is %d",
                        static_cast<int>(kTreeSlots));
      return 0;
    }
    if (table[slot].Species.empty()) break;
  }

  d_PTLRec& rec = table[slot];
  rec = d_PTLRec{};
  rec.RecNum = recNum;
  rec.TreeNum = treeNum;
  rec.Species = species;
  rec.Note = note;
  rec.CrnCls = crnCls;
  rec.Dia = dia;
  rec.Hgt = hgt;
  rec.CrnHgt = crnHgt;
  rec.CrnHgtPru = crnHgt;
  rec.TPA = tpa;
  rec.TPAadj = tpa;
  rec.Status = status;
  rec.RetPri = retPri;
  rec.CutEff = cutEff;
  return 1;
}

int PTL_Count(const d_PTLTable& table) {
  int n = 0;
  while (n < static_cast<int>(table.Slots.size()) && !table[n].Species.empty())
    ++n;
  return n;
}

int PTL_GetInfo(const d_PTLTable& table, int treeNum, std::string& species, float& killed,
                float& mortPct, float& thinned, float& pctThinned) {
  const int n = PTL_Count(table);
  for (int i = 0; i < n; ++i) {
    const d_PTLRec& rec = table[i];
    if (rec.TreeNum != treeNum) continue;
    species = rec.Species.str();
    killed = rec.Killed;
    mortPct = rec.MortPct;
    const float removed = rec.TPA - rec.TPAadj;
    if (removed > 0) {
      thinned = removed;
      pctThinned = removed / rec.TPA * 100.0f;
    } else {
      thinned = 0;
      pctThinned = 0;
    }
    return 1;
  }
  return 0;
}

int PTL_GetRecInfo(const d_PTLTable& table, int treeNum, std::string& species, float& dia,
                   float& hgt, float& crnHgt, float& tpa, float& retPri, std::string& crnCls,
                   std::string& status) {
  const int n = PTL_Count(table);
  for (int i = n - 1; i >= 0; --i) {
    const d_PTLRec& rec = table[i];
    if (rec.TreeNum != treeNum) continue;
    species = rec.Species.str();
    dia = rec.Dia;
    hgt = rec.Hgt;
    crnHgt = rec.CrnHgt;
    tpa = rec.TPA;
    retPri = rec.RetPri;
    crnCls = rec.CrnCls.str();
    status = rec.Status.str();
    return 1;
  }
  return 0;
}

bool PTL_IsDead(const d_PTLRec& rec) {
  return SameKeyword(rec.Status, "D");
}

float PTL_GetTPA(const d_PTLRec& rec, const std::string& code) {
  if (code == "TPA") return rec.TPA;
  if (code == "TPAadj") return rec.TPAadj;
  if (code == "Thinned") {
    const float thinned = rec.TPA - rec.TPAadj;
    return thinned < 0 ? 0.0f : thinned;
  }
  if (code == "PostMort") {
    const float left = rec.TPAadj - rec.Killed;
    return left < 0 ? 0.0f : left;
  }
  return 0.0f;  // a code the program never sends
}

float PTL_SumTPA(const d_PTLTable& table, const std::string& code) {
  const int n = PTL_Count(table);
  float sum = 0.0f;
  for (int i = 0; i < n; ++i)
    sum += PTL_GetTPA(table[i], code);
  return sum;
}

float PTL_SumTPA(const d_PTLTable& table, const std::string& code, float minDia) {
  const int n = PTL_Count(table);
  float sum = 0.0f;
  for (int i = 0; i < n; ++i) {
    const d_PTLRec& rec = table[i];
    if (rec.Dia >= minDia) sum += PTL_GetTPA(rec, code);
  }
  return sum;
}

void PTL_Prepare(d_PTLTable& table) {
  const int n = PTL_Count(table);
  for (int i = 0; i < n; ++i) {
    d_PTLRec& rec = table[i];
    rec.TPAadj = rec.TPA;
    rec.Harv = rec.Slash = 0.0f;
    rec.PruFra = 0.0f;
    rec.CrnHgtPru = rec.CrnHgt;
    rec.MortPct = rec.Killed = 0.0f;
    const float radius = rec.Dia / 2.0f;
    rec.BasAre = kPi<> * radius * radius;
  }
}

void PTL_SortRetPri(d_PTLTable& table) {
  // the exchanges run on the priorities and the records' places; the
  // records then move once, to the places the exchanges left them
  const std::size_t n = static_cast<std::size_t>(PTL_Count(table));
  std::vector<float> pri(n);
  std::vector<std::size_t> from(n);
  for (std::size_t i = 0; i < n; ++i) {
    pri[i] = table[i].RetPri;
    from[i] = i;
  }
  for (std::size_t i = 0; i < n; ++i) {
    for (std::size_t j = 0; j < n; ++j) {
      if (pri[i] < pri[j]) {
        std::swap(pri[i], pri[j]);
        std::swap(from[i], from[j]);
      }
    }
  }
  std::vector<d_PTLRec> sorted(n);
  for (std::size_t i = 0; i < n; ++i)
    sorted[i] = std::move(table[from[i]]);
  std::move(sorted.begin(), sorted.end(), table.begin());
}

}  // namespace sylvanor
