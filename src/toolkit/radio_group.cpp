#include "toolkit/radio_group.h"

#include <algorithm>

#include "toolkit/caption_extent.h"
#include "toolkit/form.h"

namespace ostrevin::toolkit {
namespace {

// The items sit this far in from the group's left edge, and the caption
// leaves this much room above and below them.
constexpr int kItemIndent = 8;
constexpr int kFrameMargin = 5;

int FontHeight(HFONT font) {
  WindowDc screen(nullptr);
  SelectGuard selected(screen.get(), font);
  TEXTMETRICW metrics{};
  ::GetTextMetricsW(screen.get(), &metrics);
  return metrics.tmHeight;
}

}  // namespace

RadioGroup::RadioGroup(Form& form, const RadioGroupDesign& design)
    : WindowedControl(form, design.page),
      OnClick(design.onClick),
      caption_(design.caption),
      itemCaptions_(design.items),
      itemIndex_(design.itemIndex) {
  SetName(design.name);
  CreateHandle(L"BUTTON", WS_VISIBLE | WS_GROUP | BS_GROUPBOX, design.place, design.caption);
  CreateItems(design);
  ShowSelection();
  if (!design.enabled) SetEnabled(false);
}

void RadioGroup::CreateItems(const RadioGroupDesign& design) {
  const int count = static_cast<int>(design.items.size());
  for (int index = 0; index < count; ++index) {
    // Only the first item starts the group and takes the Tab key; the arrow
    // keys move within the group.
    DWORD style = WS_VISIBLE | BS_AUTORADIOBUTTON;
    if (index == 0) style |= WS_GROUP | WS_TABSTOP;
    items_.push_back(CreatePartWindow(L"BUTTON", style, ItemPlace(index, count),
                                      design.items[static_cast<size_t>(index)]));
  }
}

// The items share the height under the caption evenly; what is left over
// goes half above them.
ControlPlace RadioGroup::ItemPlace(int index, int count) const {
  const ControlPlace group = Place();
  const DpiScale scaling = Scaling();
  const int fontHeight = FontHeight(OwnerForm()->Font());
  const int free = group.height - fontHeight - scaling.Scaled(kFrameMargin);
  const int itemHeight = free / count;
  const int top = group.top + fontHeight + 1 + (free % count) / 2;
  const int indent = scaling.Scaled(kItemIndent);
  return {.left = group.left + indent,
          .top = top + index * itemHeight,
          .width = group.width - 2 * indent,
          .height = itemHeight};
}

Extent RadioGroup::CaptionExtent(HDC dc) const {
  const DpiScale scaling = Scaling();
  const HFONT font = OwnerForm()->Font();
  int width = GroupCaptionExtent(dc, font, caption_, scaling).width;
  for (const std::wstring& item : itemCaptions_) {
    width = std::max(width, CheckMarkCaptionExtent(dc, font, item, scaling).width +
                                2 * scaling.Scaled(kItemIndent));
  }
  return {width, 0};
}

void RadioGroup::Rescale() {
  WindowedControl::Rescale();
  for (int index = 0; index < ItemCount(); ++index) {
    MoveWindowTo(ItemHandle(index), ItemPlace(index, ItemCount()));
    TakeFormFont(ItemHandle(index));
  }
}

void RadioGroup::SetItemIndex(int index) {
  if (index < -1 || index >= ItemCount()) index = -1;
  if (itemIndex_ == index) return;
  itemIndex_ = index;
  ShowSelection();
  if (OnClick) OnClick(*this);
}

void RadioGroup::SetEnabled(bool enabled) {
  WindowedControl::SetEnabled(enabled);
  for (const UniqueWindow& item : items_) ::EnableWindow(item.get(), enabled);
}

void RadioGroup::SetVisible(bool visible) {
  WindowedControl::SetVisible(visible);
  for (const UniqueWindow& item : items_) ::ShowWindow(item.get(), visible ? SW_SHOWNA : SW_HIDE);
}

void RadioGroup::ShowSelection() {
  for (int index = 0; index < ItemCount(); ++index) {
    ::SendMessageW(ItemHandle(index), BM_SETCHECK,
                   index == itemIndex_ ? BST_CHECKED : BST_UNCHECKED, 0);
  }
}

bool RadioGroup::OwnsWindow(HWND window) const {
  if (window == Handle()) return true;
  for (const UniqueWindow& item : items_) {
    if (item.get() == window) return true;
  }
  return false;
}

// An item clicked, or moved to with the arrow keys, has checked itself.
bool RadioGroup::HandleCommand(HWND child, WORD notifyCode, WORD) {
  if (notifyCode != BN_CLICKED) return false;
  for (int index = 0; index < ItemCount(); ++index) {
    if (ItemHandle(index) == child && ::SendMessageW(child, BM_GETCHECK, 0, 0) == BST_CHECKED) {
      SetItemIndex(index);
    }
  }
  return true;
}

void RadioGroup::WindowsDestroyed() {
  for (UniqueWindow& item : items_) item.release();
  WindowedControl::WindowsDestroyed();
}

}  // namespace ostrevin::toolkit
