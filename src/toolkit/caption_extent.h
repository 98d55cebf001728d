#pragma once

#include <windows.h>

#include <string>

#include "toolkit/model/dpi_scale.h"

namespace ostrevin::toolkit {

// What captions need on the screen, measured on a DC (a memory DC measures
// as the screen does) in a font at a scale, for the fitting of captions
// (Form). Each is the room the system's control draws its caption in: the
// text with what the control puts round it.

// The text as DrawText lays it out: "\r\n" breaks lines; with DT_WORDBREAK
// in format, at most width pixels wide. An empty text needs nothing.
Extent TextExtent(HDC dc, HFONT font, const std::wstring& text, UINT format, int width = 0);

// A check box or radio button: its box or circle, the space after it and
// the text, with the focus rectangle round the text.
Extent CheckMarkCaptionExtent(HDC dc, HFONT font, const std::wstring& text, const DpiScale& scale);

// A push button: its lines of text inside its edges.
Extent ButtonCaptionExtent(HDC dc, HFONT font, const std::wstring& text, const DpiScale& scale);

// A group box: the caption set into its top edge, past the corner.
Extent GroupCaptionExtent(HDC dc, HFONT font, const std::wstring& text, const DpiScale& scale);

}  // namespace ostrevin::toolkit
