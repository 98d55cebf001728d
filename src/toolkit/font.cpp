#include "toolkit/font.h"

#include <algorithm>
#include <map>

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

// Windows always has the first; Wine on a Linux desktop may have only the
// others, whose widths come closest to it.
constexpr const wchar_t* kNarrowSansFaces[] = {L"Microsoft Sans Serif", L"Arial",
                                               L"Liberation Sans", L"DejaVu Sans Condensed"};

std::wstring FindAvailableFontFace(const std::wstring& face) {
  if (FontFaceExists(face)) return face;
  for (const wchar_t* candidate : kNarrowSansFaces) {
    if (FontFaceExists(candidate)) return candidate;
  }
  return L"MS Shell Dlg";
}

}  // namespace

// Asking the system is slow (a dialog with a few fonts would take a good part
// of a second to open under Wine), so each face is looked up once a run.
std::wstring AvailableFontFace(const std::wstring& face) {
  static std::map<std::wstring, std::wstring> found;
  const auto known = found.find(face);
  if (known != found.end()) return known->second;
  return found.emplace(face, FindAvailableFontFace(face)).first->second;
}

UniqueFont CreateDesignedFont(const FontDesign& design, const DpiScale& scale) {
  LOGFONTW font{};
  font.lfHeight = -scale.Scaled(design.height);
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
