#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "toolkit/control.h"
#include "toolkit/font.h"
#include "toolkit/graphic_control.h"
#include "toolkit/handles.h"

namespace ostrevin::toolkit {

class Form;
class TabPage;

enum class TextAlignment { Left, Center, Right };

struct LabelDesign {
  std::wstring name{};
  TabPage* page = nullptr;  // none: on the form itself
  ControlPlace place{};
  std::wstring caption{};
  std::optional<FontDesign> font{};  // none: the form's font and text colour
  TextAlignment alignment = TextAlignment::Left;
  // The label takes the size of its caption at its place (width and height
  // of the place are not used).
  bool autoSize = false;
  bool wordWrap = false;
  bool handCursor = false;  // a link's pointing hand over the label
  std::wstring hint{};      // a tooltip while the mouse rests on it
  std::function<void(MouseButton button, POINT formPoint)> onMouseDown{};
  std::function<void()> onClick{};
};

// A windowless text on a transparent background: only its letters cover
// what lies beneath. Its font is scaled with the window it lies on.
class Label : public GraphicControl {
 public:
  Label(Form& form, const LabelDesign& design);

  const std::wstring& Caption() const { return caption_; }
  void SetCaption(const std::wstring& caption);
  HWND TooltipHandle() const { return tooltip_.get(); }
  // A caption wrapped at the label's width, in lines of whole words.
  bool WordWrap() const { return wordWrap_; }
  // The font the caption is drawn in now.
  HFONT CurrentFont() const { return font_ ? font_.get() : HostFont(); }

  // A wrapped caption is measured at the label's width.
  Extent CaptionExtent(HDC dc) const override;
  bool SizedByCaption() const override { return autoSize_; }

 protected:
  void Paint(HDC dc) override;
  RECT ScaledBounds() const override;
  void ScalingChanged() override;
  void BoundsChanged() override { PlaceTooltip(); }

 private:
  UINT Format() const;
  void CreateTooltip(const std::wstring& hint);
  void PlaceTooltip() const;

  std::wstring caption_;
  std::optional<FontDesign> fontDesign_;
  UniqueFont font_;
  Color textColor_;
  TextAlignment alignment_;
  bool autoSize_;
  bool wordWrap_;
  UniqueWindow tooltip_;
};

}  // namespace ostrevin::toolkit
