#include "io/ProjectIndex.h"

#include <gtest/gtest.h>

namespace sylvanor {

// The look-ups searching the project file from its start, or through an index.
class ProjectLookup : public ::testing::TestWithParam<bool> {};

TEST_P(ProjectLookup, KeywordLinesRecordsAndSpeciesRows) {
  const std::string records =
      "#RetPri-0 Default$Set Standard 1 0.8 0.5 0 1 0.9 0.7 1 0.3 1 0.5 0.2 0.6 0.4 Dry$Pines\n"
      "#RetPri-2 Gap$Set none 1 1 1 1 1 1 1 1 1 1 1 1 1 1 Dry$Pines\n"
      "#SpeciesGroup-1 Wet$Firs 3\n#Species-0 Dry$Pines PP 0 10 5\n"
      "#Species-1 Wet$Firs GF 2.5 99 40\n#Treatment-0 Thin$Heavy BasalArea 80 90 7  4 10 1 24 8  "
      "30 50 60 70 12  6.5 15 120 Interior Fall \n#Treatment-1 Short None\n#Treatment-3 " +
      std::string(60, 'n') + " None\n";
  const std::string a193(193, 'a'), longLine = "#Long " + a193 + "#Thin Yes" + std::string(42, ' ');
  // the file, the keyword, the record number (-1 for a keyword line), the
  // answer: "0", or "1" and the words found, for a keyword line " | " and the line
  const std::tuple<std::string, const char*, int, std::string> rows[] = {
      // "=" and "#" read as blanks; the line as read, with its line end
      {"#Thin = Yes\n", "thin", -1, "1 Thin Yes | #Thin = Yes\n"},
      {"#Thin-0 Yes\n", "Thin", -1, "0 | "},  // the whole first word is the keyword
      {"Thin=Yes\n", "thin", -1, "1 Thin Yes | Thin=Yes\n"},
      {"#ThinType BasalArea\n", "Thin", -1, "0 | "},
      {"#Thin#Yes\r\n", "thin", -1, "1 Thin Yes | #Thin#Yes\n"},  // every line end reads as LF
      {"#Thin\tYes extra\n", "thin", -1, "1 Thin Yes extra | #Thin\tYes extra\n"},
      // the first line whose keyword matches in any case; six words at most
      {"#tHIN No\n#Thin Yes\n", "THIN", -1, "1 tHIN No | #tHIN No\n"},
      {"#Prune a b c d e f g\n", "prune", -1, "1 Prune a b c d e | #Prune a b c d e f g\n"},
      // comments: "#" and a blank, an empty line
      {"# Thin Yes\n\n#  Thin No\n", "Thin", -1, "0 | "},
      {"# Thin Yes\n#Thin No\n", "Thin", -1, "1 Thin No | #Thin No\n"},
      {"#Thin Yes\n", "", -1, "0 | "},
      // a long line is one line, its end no keyword line of its own
      {longLine + "\n#Pad p\n", "Thin", -1, "0 | "},
      {longLine + "\n#Pad p\n", "Long", -1, "1 Long " + a193 + " Thin Yes | " + longLine + "\n"},
      // each word cut to 999 characters; the last line without a line end
      {"#Path " + std::string(1200, 'p'), "path", -1,
       "1 Path " + std::string(999, 'p') + " | #Path " + std::string(1200, 'p')},
      // a record's fields in order, those missing at the end empty, at most 49
      // characters each; a record not found emptied
      {records, "RetPri", 0,
       "1 Default$Set Standard 1 0.8 0.5 0 1 0.9 0.7 1 0.3 1 0.5 0.2 0.6 0.4 Dry$Pines"},
      {records, "RetPri", 1, "0"},
      {records, "RetPri", 2, "1 Gap$Set none 1 1 1 1 1 1 1 1 1 1 1 1 1 1 Dry$Pines"},
      {records, "Treatment", 0,
       "1 Thin$Heavy BasalArea 80 90 7 4 10 1 24 8 30 50 60 70 12 6.5 15 120 Interior Fall"},
      {records, "Treatment", 1, "1 Short None"},
      {records, "Treatment", 2, "0"},
      {records, "Treatment", 3, "1 " + std::string(49, 'n') + " None"},
      {records, "Species", 0, "1 Dry$Pines PP 0 10 5"},
      {records, "Species", 1, "1 Wet$Firs GF 2.5 99 40"},  // not the species group
      {records, "Species", 2, "0"},
  };
  // kept from one look-up to the next: one that finds nothing must empty them
  PrjWords words;
  std::string line, s[5];
  d_PrjTreatment treatment;
  d_PrjRetPri retPri;
  const auto find = [&](auto& file, const std::string& keyword, int n) {
    std::string answer;
    if (n < 0) {
      answer = std::to_string(Prj_FindSw(file, keyword, words, line));
      for (const std::string& word : words)
        answer += " " + word;
    } else if (keyword == "Species") {
      answer = std::to_string(Prj_FindSpecies(file, s[0], s[1], s[2], s[3], s[4], n));
      for (const std::string& word : s)
        answer += " " + word;
    } else if (keyword == "Treatment") {
      answer = std::to_string(Prj_FindTreatment(file, treatment, n));
      for (const PrjField* field : treatment.Fields())
        answer += " " + field->str();
    } else {
      answer = std::to_string(Prj_FindRetPri(file, retPri, n));
      for (const PrjField* field : retPri.Fields())
        answer += " " + field->str();
    }
    answer.erase(answer.find_last_not_of(' ') + 1);
    return n < 0 ? answer + " | " + line : answer;
  };
  c_PrjIndex index;  // built again for every row
  for (const auto& [text, keyword, n, answer] : rows) {
    std::istringstream file(text);
    index.Build(file);  // which leaves the stream at its end: a search must rewind it
    EXPECT_EQ(GetParam() ? find(index, keyword, n) : find(file, keyword, n), answer)
        << keyword << " " << n << " in " << text.substr(0, 30);
  }
}

INSTANTIATE_TEST_SUITE_P(Readers, ProjectLookup, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Index" : "Search"; });

}  // namespace sylvanor
