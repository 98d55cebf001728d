#include "toolkit/model/clipboard_text.h"

#include <gtest/gtest.h>

#include <string>

namespace ostrevin::toolkit {
namespace {

struct BlockCase {
  std::wstring memory;     // the block and what lies after it
  std::size_t blockChars;  // the block's size
  std::wstring text;
};

TEST(ClipboardTextTest, TheTextEndsAtItsZeroOrAtTheEndOfTheBlock) {
  const BlockCase cases[] = {
      {std::wstring(L"08:30\0", 6), 6, L"08:30"},
      {std::wstring(L"8:30\0" L"99", 7), 7, L"8:30"},
      {L"8:3045", 4, L"8:30"},  // no zero: nothing past the block
      {L"12:45", 0, L""},
  };
  for (const BlockCase& c : cases) {
    EXPECT_EQ(TextOfClipboardBlock(c.memory.data(), c.blockChars * sizeof(wchar_t)), c.text)
        << c.memory;
  }
}

TEST(ClipboardTextTest, AnOddLastByteIsNoCharacterAndNoBlockIsNoText) {
  const std::wstring memory = L"0945";
  EXPECT_EQ(TextOfClipboardBlock(memory.data(), 3 * sizeof(wchar_t) + 1), L"094");
  EXPECT_EQ(TextOfClipboardBlock(nullptr, 16), L"");
}

}  // namespace
}  // namespace ostrevin::toolkit
