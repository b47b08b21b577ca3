#include "platform/OutputFile.h"

#include <cerrno>
#include <system_error>

namespace sylvanor {

namespace {

// The errno of a failed call, never 0, so that a failure is never taken for
// success.
int LastError() {
  return errno != 0 ? errno : EIO;
}

}  // namespace

c_OutputFileBuf::c_OutputFileBuf() {
  setp(buffer_.data(), buffer_.data() + buffer_.size());
}

c_OutputFileBuf::~c_OutputFileBuf() {
  Close();
}

bool c_OutputFileBuf::Open(const std::string& path) {
  Close();
  errno = 0;
  file_ = std::fopen(path.c_str(), "wb");
  if (file_ == nullptr) return false;
  // this buffer is the only one: every write goes straight to the system
  std::setvbuf(file_, nullptr, _IONBF, 0);
  setp(buffer_.data(), buffer_.data() + buffer_.size());
  return true;
}

void c_OutputFileBuf::Fail() {
  if (error_ == 0) error_ = LastError();
}

bool c_OutputFileBuf::WriteBuffer() {
  const std::size_t count = static_cast<std::size_t>(pptr() - pbase());
  setp(buffer_.data(), buffer_.data() + buffer_.size());
  if (file_ == nullptr || error_ != 0) return error_ == 0 && count == 0;
  errno = 0;
  if (count > 0 && std::fwrite(buffer_.data(), 1, count, file_) != count) {
    Fail();
    return false;
  }
  return true;
}

c_OutputFileBuf::int_type c_OutputFileBuf::overflow(int_type c) {
  if (!WriteBuffer() || file_ == nullptr) return traits_type::eof();
  if (!traits_type::eq_int_type(c, traits_type::eof())) {
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
  }
  return traits_type::not_eof(c);
}

int c_OutputFileBuf::sync() {
  if (!WriteBuffer()) return -1;
  errno = 0;
  if (file_ != nullptr && std::fflush(file_) != 0) {
    Fail();
    return -1;
  }
  return 0;
}

int c_OutputFileBuf::Close() {
  if (file_ != nullptr) {
    WriteBuffer();
    errno = 0;
    if (std::fclose(file_) != 0) Fail();
    file_ = nullptr;
  }
  const int error = error_;
  error_ = 0;
  return error;
}

bool c_OutputFile::Open(const std::string& path) {
  path_ = path;
  stream_.clear();
  const bool opened = buf_.Open(path);
  openError_ = opened ? 0 : LastError();
  if (!opened) stream_.setstate(std::ios_base::badbit);
  return opened;
}

namespace {

std::string ReasonText(int error) {
  if (error == 0) return {};
  return std::error_code(error, std::generic_category()).message();
}

}  // namespace

std::string c_OutputFile::Close() {
  const int error = buf_.Close();
  openError_ = 0;
  stream_.setstate(std::ios_base::badbit);  // nothing more goes anywhere
  return ReasonText(error);
}

std::string c_OutputFile::ErrorText() const {
  return ReasonText(buf_.Error() != 0 ? buf_.Error() : openError_);
}

}  // namespace sylvanor
