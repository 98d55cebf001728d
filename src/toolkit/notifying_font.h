#pragma once

#include <functional>
#include <string>
#include <utility>

#include "toolkit/font.h"

namespace ostrevin::toolkit {

// A font design owned by a component that draws with it: every attribute set
// to a different value is stored and reported through OnChange, so that the
// owner draws again; an equal value does nothing.
class NotifyingFont {
 public:
  explicit NotifyingFont(FontDesign design = {}) : design_(std::move(design)) {}
  NotifyingFont(const NotifyingFont&) = delete;
  NotifyingFont& operator=(const NotifyingFont&) = delete;

  const FontDesign& Design() const { return design_; }

  void SetFace(std::wstring face) { Change(design_.face, std::move(face)); }
  void SetHeight(int height) { Change(design_.height, height); }
  void SetBold(bool bold) { Change(design_.bold, bold); }
  void SetItalic(bool italic) { Change(design_.italic, italic); }
  void SetUnderline(bool underline) { Change(design_.underline, underline); }
  void SetColor(Color color) { Change(design_.color, color); }
  void SetSmooth(bool smooth) { Change(design_.smooth, smooth); }

  // Takes every attribute of a design, one by one: each that differs is
  // reported on its own.
  void Assign(const FontDesign& design) {
    SetFace(design.face);
    SetHeight(design.height);
    SetBold(design.bold);
    SetItalic(design.italic);
    SetUnderline(design.underline);
    SetColor(design.color);
    SetSmooth(design.smooth);
  }

  std::function<void(NotifyingFont& sender)> OnChange;

 private:
  template <typename Value>
  void Change(Value& field, Value value) {
    if (field == value) return;
    field = std::move(value);
    if (OnChange) OnChange(*this);
  }

  FontDesign design_;
};

}  // namespace ostrevin::toolkit
