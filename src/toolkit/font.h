#pragma once

#include <windows.h>

#include <string>

#include "base/color.h"
#include "toolkit/colors.h"
#include "toolkit/handles.h"
#include "toolkit/model/dpi_scale.h"

namespace ostrevin::toolkit {

// A font as a form or control describes it. The height is the character
// height in pixels (the cell height less the internal leading) at 96 DPI.
struct FontDesign {
  std::wstring face = L"MS Sans Serif";
  int height = 11;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  Color color = clWindowText;
  // False: drawn without antialiasing. Text on a colour-keyed background
  // needs it: an edge pixel blended with the key colour is no longer the key
  // and would fringe every letter with it.
  bool smooth = true;
  friend bool operator==(const FontDesign&, const FontDesign&) = default;
};

// The face that is used for a wanted face: the face itself when the system
// has it, else the first of the narrow sans-serif faces the system has (the
// forms' designs are laid out for the widths of "MS Sans Serif"), else
// "MS Shell Dlg" (which the system always maps to its dialog font).
std::wstring AvailableFontFace(const std::wstring& face);

// The face drawn for a wanted face at a scale: the available face, but at a
// scale other than the design's a scalable face for a raster one (Windows'
// own "MS Sans Serif" is one), which would be drawn blocky.
std::wstring FaceAtScale(const std::wstring& face, const DpiScale& scale);

// Creates the font at a scale: its height is the design's height scaled, its
// face FaceAtScale. Throws AppError when the system refuses.
UniqueFont CreateDesignedFont(const FontDesign& design, const DpiScale& scale = {});

}  // namespace ostrevin::toolkit
