#pragma once
// A text field of a record with a fixed capacity, counted in characters
// including the terminating zero the stored files and messages were sized
// for. A longer text is cut to fit instead of overrunning the field.

#include <cstddef>
#include <string>
#include <string_view>

namespace sylvanor {

template <std::size_t Capacity>
class FixedText {
  static_assert(Capacity >= 1);

 public:
  static constexpr std::size_t kCapacity = Capacity;
  static constexpr std::size_t kMaxLength = Capacity - 1;

  FixedText() = default;
  FixedText(std::string_view text) { assign(text); }  // NOLINT: assignable from any text
  FixedText& operator=(std::string_view text) {
    assign(text);
    return *this;
  }

  void assign(std::string_view text) { text_.assign(text.substr(0, kMaxLength)); }
  void append(std::string_view text) { text_.append(text.substr(0, kMaxLength - text_.size())); }
  void clear() { text_.clear(); }

  bool empty() const { return text_.empty(); }
  std::size_t size() const { return text_.size(); }
  const std::string& str() const { return text_; }
  operator std::string_view() const { return text_; }  // NOLINT: reads as a text

  friend bool operator==(const FixedText& a, std::string_view b) { return a.text_ == b; }

 private:
  std::string text_;
};

}  // namespace sylvanor
