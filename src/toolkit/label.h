#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "toolkit/control.h"
#include "toolkit/font.h"
#include "toolkit/graphic_control.h"

namespace ostrevin::toolkit {

class Form;

enum class TextAlignment { Left, Center, Right };

struct LabelDesign {
  std::wstring name{};
  ControlPlace place{};
  std::wstring caption{};
  std::optional<FontDesign> font{};  // none: the form's font and text colour
  TextAlignment alignment = TextAlignment::Left;
  std::function<void(MouseButton button, POINT formPoint)> onMouseDown{};
  std::function<void()> onClick{};
};

// A windowless text on a transparent background: only its letters cover
// what lies beneath.
class Label : public GraphicControl {
 public:
  Label(Form& form, const LabelDesign& design);

  const std::wstring& Caption() const { return caption_; }
  void SetCaption(const std::wstring& caption);

 protected:
  void Paint(HDC dc) override;

 private:
  std::wstring caption_;
  UniqueFont font_;
  HFONT formFont_;
  Color textColor_;
  TextAlignment alignment_;
};

}  // namespace ostrevin::toolkit
