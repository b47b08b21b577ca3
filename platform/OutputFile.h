#pragma once
// An output file whose every failure is kept. Writes go through a stream; the
// first write, flush or close that fails leaves the system's reason, so the
// caller can say why its output is incomplete instead of reporting success.
// What was written before the failure stays in the file.

#include <cstdio>
#include <memory>
#include <ostream>
#include <streambuf>
#include <string>
#include <vector>

namespace sylvanor {

class c_OutputFileBuf : public std::streambuf {
 public:
  c_OutputFileBuf();
  ~c_OutputFileBuf() override;
  c_OutputFileBuf(const c_OutputFileBuf&) = delete;
  c_OutputFileBuf& operator=(const c_OutputFileBuf&) = delete;

  bool Open(const std::string& path);
  bool IsOpen() const { return file_ != nullptr; }
  // Writes what is buffered and closes. Returns the errno of the first
  // failure since Open (0 when none), which is then forgotten.
  int Close();
  bool Failed() const { return error_ != 0; }
  int Error() const { return error_; }

 protected:
  int_type overflow(int_type c) override;
  int sync() override;

 private:
  bool WriteBuffer();
  void Fail();

  std::FILE* file_ = nullptr;
  std::vector<char> buffer_ = std::vector<char>(1 << 16);
  int error_ = 0;  // errno of the first failure, 0 while none
};

class c_OutputFile {
 public:
  c_OutputFile() : stream_(&buf_) {}

  // Creates the file, or empties it; false when it cannot be opened (the
  // reason in ErrorText()). Any file open before is closed first.
  bool Open(const std::string& path);
  bool is_open() const { return buf_.IsOpen(); }
  std::ostream& Stream() { return stream_; }
  const std::string& Path() const { return path_; }

  // True once a write failed since Open.
  bool Failed() const { return buf_.Failed(); }
  // The system's reason for the first failure since Open, or for Open's
  // failure ("No space left on device"); empty when none.
  std::string ErrorText() const;
  // Flushes and closes. Returns the reason of the first failure since Open,
  // empty when everything was written; the failure is then forgotten.
  // Closing a file that is not open gives an empty text.
  std::string Close();

 private:
  c_OutputFileBuf buf_;
  std::ostream stream_;
  std::string path_;
  int openError_ = 0;
};

}  // namespace sylvanor
