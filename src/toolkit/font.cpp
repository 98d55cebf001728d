#include "toolkit/font.h"

#include <algorithm>
#include <map>

#include "base/app_error.h"

namespace ostrevin::toolkit {
namespace {

// What the system has of a face.
enum class FaceKind { Missing, Raster, Scalable };

int CALLBACK NoteFontFound(const LOGFONTW*, const TEXTMETRICW*, DWORD type, LPARAM kind) {
  *reinterpret_cast<FaceKind*>(kind) =
      (type & RASTER_FONTTYPE) ? FaceKind::Raster : FaceKind::Scalable;
  return 0;  // one is enough
}

FaceKind KindOfFace(const std::wstring& face) {
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  const size_t length = std::min(face.size(), std::size(wanted.lfFaceName) - 1);
  std::copy_n(face.begin(), length, wanted.lfFaceName);
  FaceKind kind = FaceKind::Missing;
  WindowDc screen(nullptr);
  ::EnumFontFamiliesExW(screen.get(), &wanted, &NoteFontFound, reinterpret_cast<LPARAM>(&kind), 0);
  return kind;
}

// Asking the system is slow (a dialog with a few fonts would take a good part
// of a second to open under Wine), so each face is looked up once a run.
FaceKind KnownKindOfFace(const std::wstring& face) {
  static std::map<std::wstring, FaceKind> known;
  const auto found = known.find(face);
  if (found != known.end()) return found->second;
  return known.emplace(face, KindOfFace(face)).first->second;
}

// Windows always has the first; Wine on a Linux desktop may have only the
// others, whose widths come closest to it. All are scalable.
constexpr const wchar_t* kNarrowSansFaces[] = {L"Microsoft Sans Serif", L"Arial",
                                               L"Liberation Sans", L"DejaVu Sans Condensed"};

std::wstring NarrowSansFace() {
  for (const wchar_t* candidate : kNarrowSansFaces) {
    if (KnownKindOfFace(candidate) != FaceKind::Missing) return candidate;
  }
  return L"MS Shell Dlg";
}

}  // namespace

std::wstring AvailableFontFace(const std::wstring& face) {
  return KnownKindOfFace(face) != FaceKind::Missing ? face : NarrowSansFace();
}

// "MS Sans Serif" on Windows is a raster font, drawn well only at the sizes
// it was drawn for at 96 DPI; scaled, it would come out blocky. Its scalable
// twin takes its place at any other scale.
std::wstring FaceAtScale(const std::wstring& face, const DpiScale& scale) {
  const std::wstring available = AvailableFontFace(face);
  if (scale.IsDesign() || KnownKindOfFace(available) != FaceKind::Raster) return available;
  return NarrowSansFace();
}

UniqueFont CreateDesignedFont(const FontDesign& design, const DpiScale& scale) {
  LOGFONTW font{};
  font.lfHeight = -scale.Scaled(design.height);
  font.lfWeight = design.bold ? FW_BOLD : FW_NORMAL;
  font.lfItalic = design.italic;
  font.lfUnderline = design.underline;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfQuality = design.smooth ? DEFAULT_QUALITY : NONANTIALIASED_QUALITY;
  const std::wstring face = FaceAtScale(design.face, scale);
  const size_t length = std::min(face.size(), std::size(font.lfFaceName) - 1);
  std::copy_n(face.begin(), length, font.lfFaceName);
  UniqueFont created(::CreateFontIndirectW(&font));
  if (!created) throw AppError(L"Unable to create the font " + face);
  return created;
}

}  // namespace ostrevin::toolkit
