#pragma once
// Input text files as every reader of the program sees them, whatever system
// wrote them:
//   - a UTF-8 byte order mark at the start of the file is skipped;
//   - CR LF, a lone CR and a lone LF each end a line, and reach the reader
//     as one LF;
//   - a line holds at most 4999 characters (its line end not counted); the
//     rest of a longer line is skipped up to its end, and the line is
//     remembered so that the reader can say which one was cut.
// The input counts the lines its reader has taken, so that a problem can be
// reported with its line number. Rewinding (seekg to 0) starts over: the
// mark is skipped again and the counts restart.

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <istream>
#include <memory>
#include <streambuf>
#include <string>
#include <vector>

namespace sylvanor {

inline constexpr std::size_t kMaxLineText = 4999;

// A problem with an input file as a whole rather than with one plot: the
// file, the line (0 when none) and what is wrong.
struct d_FileNotice {
  std::string file;
  int line = 0;
  std::string message;
};

// The message, its trailing blanks and line ends dropped, followed by a line
// naming the file and the line: "<message>\n File: <file>, line <n>"
// ("<message>\n line <n>" for a file without a name).
std::string AtFileLine(const std::string& message, const std::string& file, int line);

class c_TextInput;

// The notices of the lines the input has cut at kMaxLineText characters,
// naming it `file`.
std::vector<d_FileNotice> CutLineNotices(const c_TextInput& input, const std::string& file);

// The notice of a file (`what`, "Tree File") holding rows past the `maxRows`
// a reader takes, the first of them at `line`.
d_FileNotice RowLimitNotice(const std::string& file, int line, const std::string& what,
                            int maxRows);

class c_TextInputBuf : public std::streambuf {
 public:
  explicit c_TextInputBuf(std::streambuf* source) : source_(source) {}
  void SetSource(std::streambuf* source);

  int LineNumber() const;
  const std::vector<int>& CutLines() const { return cutLines_; }

 protected:
  int_type underflow() override;
  pos_type seekoff(off_type off, std::ios_base::seekdir dir, std::ios_base::openmode) override;
  pos_type seekpos(pos_type pos, std::ios_base::openmode) override;

 private:
  void Restart();
  void Take(char c);  // one character of the source, after the mark
  void Emit(char c);

  std::streambuf* source_;
  std::vector<char> raw_ = std::vector<char>(1 << 16);
  std::vector<char> area_;  // the characters handed to the reader
  std::size_t bomMatched_ = 0;
  bool atStart_ = true;
  bool afterCR_ = false;
  bool cutting_ = false;
  std::size_t column_ = 0;
  int emittedLines_ = 0;       // line ends put into the areas so far
  int linesBeforeArea_ = 0;    // line ends of the areas the reader has finished
  long long areasBefore_ = 0;  // characters of those areas
  char lastOfArea_ = 0;        // last character of the previous area, 0 when none
  std::vector<int> cutLines_;
};

class c_TextInput : public std::istream {
 public:
  // Not open: reading fails until Open.
  c_TextInput();
  // Reads `source`, which must outlive the input; it is not rewound.
  explicit c_TextInput(std::streambuf* source);

  // Opens a file; false when it cannot be opened. Any earlier file is closed.
  bool Open(const std::filesystem::path& path);
  void Close();
  bool is_open() const { return file_ != nullptr || borrowed_; }

  // The line of the last character taken by the reader, counting from 1; 0
  // before the first. After a whole line has been read this is that line.
  int LineNumber() const { return buf_.LineNumber(); }
  // The lines cut since the start (or the last rewind), in file order.
  const std::vector<int>& CutLines() const { return buf_.CutLines(); }

 private:
  std::unique_ptr<std::filebuf> file_;
  bool borrowed_ = false;
  c_TextInputBuf buf_;
};

}  // namespace sylvanor
