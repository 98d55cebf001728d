#include "icon_size.h"

#include "toolkit/handles.h"

namespace ostrevin::test_support {

int IconWidth(HICON icon) {
  ICONINFO parts{};
  if (!::GetIconInfo(icon, &parts)) return 0;
  const toolkit::UniqueBitmap mask(parts.hbmMask);
  const toolkit::UniqueBitmap color(parts.hbmColor);
  BITMAP bits{};
  ::GetObjectW(color ? color.get() : mask.get(), sizeof(bits), &bits);
  return bits.bmWidth;
}

}  // namespace ostrevin::test_support
