#include "toolkit/caption_extent.h"

#include <algorithm>

#include "toolkit/dpi.h"
#include "toolkit/handles.h"

namespace ostrevin::toolkit {
namespace {

// Round the text of a push button: its edge and the focus rectangle inside
// it, on each side, in pixels at 96 DPI.
constexpr int kButtonTextMarginX = 4;
constexpr int kButtonTextMarginY = 3;
// A group box's caption begins past the frame's corner, and has a blank on
// either side where the frame's line is broken.
constexpr int kGroupCaptionIndent = 8;
constexpr int kGroupCaptionBlanks = 4;
// The check box is 13 pixels at 96 DPI, at least the system's check mark;
// the focus rectangle takes a pixel on each side of the text.
constexpr int kCheckBoxSide = 13;
constexpr int kFocusRectangle = 2;

// Half a digit's width: the space between a check box and its text.
int CheckMarkTextOffset(HDC dc) {
  INT digit = 0;
  if (!::GetCharWidth32W(dc, L'0', L'0', &digit)) return 0;
  return digit / 2;
}

}  // namespace

Extent TextExtent(HDC dc, HFONT font, const std::wstring& text, UINT format, int width) {
  if (text.empty()) return {};
  SelectGuard selected(dc, font);
  RECT area{0, 0, width, 0};
  ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, format | DT_CALCRECT);
  return {area.right - area.left, area.bottom - area.top};
}

Extent CheckMarkCaptionExtent(HDC dc, HFONT font, const std::wstring& text, const DpiScale& scale) {
  const Extent words = TextExtent(dc, font, text, DT_SINGLELINE);
  const int box = std::max(scale.Scaled(kCheckBoxSide), SystemMetricAt(SM_CXMENUCHECK, scale));
  int offset = 0;
  {
    SelectGuard selected(dc, font);
    offset = CheckMarkTextOffset(dc);
  }
  return {box + offset + words.width + scale.Scaled(kFocusRectangle),
          std::max(box, words.height + scale.Scaled(kFocusRectangle))};
}

Extent ButtonCaptionExtent(HDC dc, HFONT font, const std::wstring& text, const DpiScale& scale) {
  const Extent words = TextExtent(dc, font, text, 0);
  return {words.width + 2 * scale.Scaled(kButtonTextMarginX),
          words.height + 2 * scale.Scaled(kButtonTextMarginY)};
}

Extent GroupCaptionExtent(HDC dc, HFONT font, const std::wstring& text, const DpiScale& scale) {
  const Extent words = TextExtent(dc, font, text, DT_SINGLELINE);
  return {words.width + 2 * scale.Scaled(kGroupCaptionIndent) + scale.Scaled(kGroupCaptionBlanks),
          words.height};
}

}  // namespace ostrevin::toolkit
