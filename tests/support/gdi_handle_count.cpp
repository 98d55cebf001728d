#include "gdi_handle_count.h"

#include <windows.h>

#include <cstddef>
#include <cstring>

namespace ostrevin::testsupport {
namespace {

static_assert(sizeof(void*) == 4, "the handle table is read in its 32-bit layout");

// Wine's shared GDI handle table: the process environment block (at fs:[0x30])
// points to it at offset 0x94; it has 65536 entries of 24 bytes. The byte at
// offset 14 of an entry is non-zero exactly while its object lives. (The
// first 8 bytes are no such sign: a freed entry keeps the link to the next
// free one there.)
constexpr std::size_t kPebGdiSharedHandleTable = 0x94;
constexpr std::size_t kTableEntries = 65536;
constexpr std::size_t kEntrySize = 24;
constexpr std::size_t kEntryInUseByte = 14;

int CountLiveTableEntries() {
  const std::byte* peb = nullptr;
  asm("movl %%fs:0x30, %0" : "=r"(peb));
  const std::byte* table = nullptr;
  std::memcpy(&table, peb + kPebGdiSharedHandleTable, sizeof(table));
  if (!table) return 0;
  int live = 0;
  for (std::size_t entry = 0; entry < kTableEntries; ++entry) {
    if (table[entry * kEntrySize + kEntryInUseByte] != std::byte{0}) ++live;
  }
  return live;
}

}  // namespace

int GdiHandleCount() {
  const DWORD counted = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
  if (counted > 0) return static_cast<int>(counted);
  return CountLiveTableEntries();
}

}  // namespace ostrevin::testsupport
