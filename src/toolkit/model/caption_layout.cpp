#include "toolkit/model/caption_layout.h"

#include <algorithm>
#include <cstddef>
#include <numeric>

namespace ostrevin::toolkit {
namespace {

int Right(const ControlPlace& place) {
  return place.left + place.width;
}

bool ShareARow(const ControlPlace& a, const ControlPlace& b) {
  return a.top < b.top + b.height && b.top < a.top + a.height;
}

// Whether the design puts b to the right of a on a's row.
bool Follows(const CaptionedPlace& b, const CaptionedPlace& a) {
  if (a.place.left >= b.place.left || !ShareARow(a.place, b.place)) return false;
  return a.sizedByCaption || Right(a.place) <= b.place.left;
}

// The least left of b after a, which lies at fittedA now.
int LeftAfter(const CaptionedPlace& b, const CaptionedPlace& a, const ControlPlace& fittedA,
              int captionGap) {
  if (a.sizedByCaption) return Right(fittedA) + captionGap;
  const int distance = b.place.left - Right(a.place);
  return std::max(fittedA.left + a.place.width + distance,
                  Right(fittedA) + std::min(distance, captionGap));
}

// Narrowed to the window's right edge as far as the caption allows.
void KeepWithinWindow(ControlPlace& place, const CaptionedPlace& control, int windowWidth) {
  if (control.captionWidth <= 0 || Right(place) <= windowWidth) return;
  place.width = std::max(control.captionWidth, windowWidth - place.left);
}

ControlPlace Grown(const CaptionedPlace& control) {
  ControlPlace place = control.place;
  place.width = std::max(place.width, control.captionWidth);
  place.height = std::max(place.height, control.captionHeight);
  return place;
}

}  // namespace

std::vector<ControlPlace> FitCaptions(const std::vector<CaptionedPlace>& controls, int captionGap,
                                      int windowWidth) {
  std::vector<ControlPlace> fitted;
  fitted.reserve(controls.size());
  for (const CaptionedPlace& control : controls) fitted.push_back(Grown(control));

  // Column by column from the left: whatever a control follows has its
  // final place by the time the control's column is placed.
  std::vector<std::size_t> order(controls.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return controls[a].place.left < controls[b].place.left;
  });
  for (auto column = order.begin(); column != order.end();) {
    const int designLeft = controls[*column].place.left;
    const auto next = std::find_if(column, order.end(), [&](std::size_t index) {
      return controls[index].place.left != designLeft;
    });
    int left = designLeft;
    for (auto member = column; member != next; ++member) {
      const CaptionedPlace& control = controls[*member];
      for (std::size_t other = 0; other < controls.size(); ++other) {
        if (!Follows(control, controls[other])) continue;
        left = std::max(left, LeftAfter(control, controls[other], fitted[other], captionGap));
      }
    }
    for (auto member = column; member != next; ++member) {
      fitted[*member].left = left;
      KeepWithinWindow(fitted[*member], controls[*member], windowWidth);
    }
    column = next;
  }
  return fitted;
}

}  // namespace ostrevin::toolkit
