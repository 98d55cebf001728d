#include "toolkit/font.h"

#include <algorithm>

#include "base/app_error.h"

namespace ostrevin::toolkit {
namespace {

int CALLBACK NoteFontFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;  // one is enough
}

bool FontFaceExists(const std::wstring& face) {
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  const size_t length = std::min(face.size(), std::size(wanted.lfFaceName) - 1);
  std::copy_n(face.begin(), length, wanted.lfFaceName);
  bool found = false;
  WindowDc screen(nullptr);
  ::EnumFontFamiliesExW(screen.get(), &wanted, &NoteFontFound, reinterpret_cast<LPARAM>(&found), 0);
  return found;
}

}  // namespace

std::wstring AvailableFontFace(const std::wstring& face) {
  for (const std::wstring& candidate : {face, std::wstring(L"Microsoft Sans Serif")}) {
    if (FontFaceExists(candidate)) return candidate;
  }
  return L"MS Shell Dlg";
}

UniqueFont CreateDesignedFont(const FontDesign& design) {
  LOGFONTW font{};
  font.lfHeight = -design.height;
  font.lfWeight = design.bold ? FW_BOLD : FW_NORMAL;
  font.lfItalic = design.italic;
  font.lfUnderline = design.underline;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfQuality = design.smooth ? DEFAULT_QUALITY : NONANTIALIASED_QUALITY;
  const std::wstring face = AvailableFontFace(design.face);
  const size_t length = std::min(face.size(), std::size(font.lfFaceName) - 1);
  std::copy_n(face.begin(), length, font.lfFaceName);
  UniqueFont created(::CreateFontIndirectW(&font));
  if (!created) throw AppError(L"Unable to create the font " + face);
  return created;
}

}  // namespace ostrevin::toolkit
