#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace ostrevin::toolkit {

// The text of a masked time field: two hour digits, the first of which may
// stay unfilled, a fixed ":", two minute digits. Unfilled places read as
// blanks in the text (an unfilled first hour digit is a leading blank) and
// show as "_" on screen. Typing overwrites one place and moves on to the next
// editable one; the ":" is never edited.
class TimeMask {
 public:
  static constexpr std::size_t kLength = 5;
  static constexpr std::size_t kSeparatorPlace = 2;

  TimeMask();

  // Puts a text into the mask as code sets it: the hour digits before the
  // ":" fill the hour places from the right, the minute digits after it the
  // minute places from the left; anything else leaves a place unfilled.
  void Assign(std::wstring_view text);

  std::wstring Text() const;         // unfilled places as blanks
  std::wstring DisplayText() const;  // unfilled places as "_"
  // Every required place (all but the first hour digit) is filled.
  bool Complete() const;

  // The outcome of an edit: whether it was accepted, and where the caret
  // stands after it.
  struct Edit {
    bool accepted;
    std::size_t caret;
  };
  // Types c over the selection [start, end) (an empty one is the caret):
  // the selected places are cleared, then c fills the first editable place
  // from start. A ":" moves the caret past the separator; any character
  // other than a digit is refused, and so is typing at the end.
  Edit Type(std::size_t start, std::size_t end, wchar_t c);
  // Types each character of text in turn from the selection (a paste); the
  // characters that are refused are skipped. Accepted when any character was
  // taken; a paste of nothing the mask takes changes nothing.
  Edit TypeText(std::size_t start, std::size_t end, std::wstring_view text);
  // Backspace: clears the selection, or the editable place before the caret.
  Edit Backspace(std::size_t start, std::size_t end);
  // Delete: clears the selection, or the editable place at the caret.
  Edit Delete(std::size_t start, std::size_t end);

 private:
  static bool IsEditable(std::size_t place);
  void Clear(std::size_t start, std::size_t end);

  std::array<wchar_t, kLength> places_;
};

}  // namespace ostrevin::toolkit
