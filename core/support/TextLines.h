#pragma once
// The lines of a text, held once: the text with CR LF line ends and where each
// line starts. Copies share the text, which never changes, so that a long
// caption list costs about its own text wherever it is handed on.
//
// The lines are those of SplitLines: the pieces between line ends (CR LF, LF or
// a lone CR, each kept as CR LF); a final line end gives no empty line after
// it, so "a\r\nb\r\n" and "a\r\nb" both hold two lines and "" holds none.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kestrova {

class TextLines {
 public:
  TextLines();
  // The lines of `text`, its line ends made CR LF. Raises std::length_error
  // for a text of 4 GiB or more.
  explicit TextLines(std::string_view text);
  // Each line followed by CR LF.
  TextLines(std::initializer_list<std::string_view> lines);
  TextLines(const std::vector<std::string>& lines);  // NOLINT: a list of lines is lines

  std::size_t size() const { return data_->starts.size(); }
  bool empty() const { return size() == 0; }
  // Line i (i below size()).
  std::string_view operator[](std::size_t i) const;
  // The text with CR LF line ends, as given (with or without a final line end).
  const std::string& Text() const { return data_->text; }

  class const_iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = std::string_view;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = std::string_view;

    const_iterator() = default;
    const_iterator(const TextLines* lines, std::size_t i) : lines_(lines), i_(i) {}
    std::string_view operator*() const { return (*lines_)[i_]; }
    const_iterator& operator++() { return ++i_, *this; }
    const_iterator operator++(int) {
      const_iterator old = *this;
      ++i_;
      return old;
    }
    bool operator==(const const_iterator& o) const { return i_ == o.i_; }

   private:
    const TextLines* lines_ = nullptr;
    std::size_t i_ = 0;
  };
  const_iterator begin() const { return {this, 0}; }
  const_iterator end() const { return {this, size()}; }

  std::vector<std::string> ToVector() const;
  friend bool operator==(const TextLines& a, const TextLines& b) { return a.Text() == b.Text(); }
  friend bool operator==(const TextLines& a, const std::vector<std::string>& b);

 private:
  struct Data {
    std::string text;
    std::vector<std::uint32_t> starts;  // where each line starts in text
  };
  std::shared_ptr<const Data> data_;
};

}  // namespace kestrova
