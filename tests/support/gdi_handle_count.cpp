#include "gdi_handle_count.h"

#include <windows.h>

#include <cstddef>
#include <cstring>

namespace ostrevin::test_support {
namespace {

// Wine's shared GDI handle table: the process environment block points to it
// (the PEB is at fs:[0x30] with the pointer at offset 0x94 in a 32-bit
// process, at gs:[0x60] with the pointer at offset 0xF8 in a 64-bit one). It
// has 65536 entries of 24 bytes in either (its fields are 64-bit wide in
// both). The byte at offset 14 of an entry is non-zero exactly while its
// object lives. (The first 8 bytes are no such sign: a freed entry keeps the
// link to the next free one there.)
#if defined(__i386__)
constexpr std::size_t kPebGdiSharedHandleTable = 0x94;
#elif defined(__x86_64__)
constexpr std::size_t kPebGdiSharedHandleTable = 0xF8;
#else
#error "the GDI handle table is read for x86 and x86-64 only"
#endif
constexpr std::size_t kTableEntries = 65536;
constexpr std::size_t kEntrySize = 24;
constexpr std::size_t kEntryInUseByte = 14;

const std::byte* ProcessEnvironmentBlock() {
  const std::byte* peb = nullptr;
#if defined(__i386__)
  asm("movl %%fs:0x30, %0" : "=r"(peb));
#else
  asm("movq %%gs:0x60, %0" : "=r"(peb));
#endif
  return peb;
}

int CountLiveTableEntries() {
  const std::byte* table = nullptr;
  std::memcpy(&table, ProcessEnvironmentBlock() + kPebGdiSharedHandleTable, sizeof(table));
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

}  // namespace ostrevin::test_support
