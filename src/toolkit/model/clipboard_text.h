#pragma once

#include <cstddef>
#include <string>

namespace ostrevin::toolkit {

// The text in a clipboard block of Unicode text, given the block's size in
// bytes: it ends at its first zero character or at the end of the block,
// whichever comes first. Another program may have put its text there
// without a terminating zero, so nothing past the block is ever read.
std::wstring TextOfClipboardBlock(const wchar_t* block, std::size_t blockBytes);

}  // namespace ostrevin::toolkit
