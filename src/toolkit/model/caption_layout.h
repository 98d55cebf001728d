#pragma once

#include <vector>

#include "toolkit/model/control_place.h"

namespace ostrevin::toolkit {

// A control of one window (a form, a tab page) as the fitting of captions
// sees it, in pixels at the window's scale.
struct CaptionedPlace {
  // Where the design puts the control at the scale.
  ControlPlace place{};
  // The width and height its caption needs there, with its check box, radio
  // circle, frame or button edges; 0: it shows no caption.
  int captionWidth = 0;
  int captionHeight = 0;
  // The place's width is the caption's own (a label that takes the size of
  // its caption): the design drew no right edge for it to keep a distance
  // from.
  bool sizedByCaption = false;
};

// The places of a window's controls at a scale, every caption whole. A
// design is drawn at 96 DPI and scaled, but text does not scale in
// proportion (a font at 150 % is wider than 1.5 times itself at 100 %, and
// every system draws its own fonts), so:
// - a control whose caption needs more than its place grows to the right
//   and down as far as the caption needs; none shrinks but at the window's
//   right edge (below);
// - a control that the design puts to the right of another on the same row
//   (their places overlap in height, the other's right edge at or before its
//   left) keeps clear of it: it keeps the distance the design gives it from
//   where the other's designed right edge moved to, and from the other's
//   grown right edge at least captionGap, or the design's distance where
//   that is less (a control may grow into the room the design left after
//   it). After a control sized by its caption, whose design draws no right
//   edge, it keeps captionGap from the caption: a field after a label moves
//   right as far as the label needs;
// - controls that the design puts at the same left stay in one column: they
//   all move as far as the one that has to move furthest, so that a row of
//   label and field pairs keeps its fields in line (the widest label
//   decides), and whatever follows them on their rows moves with them;
// - a control with a caption that would now reach past the window's right
//   edge (windowWidth) is narrowed to it, as far as its caption allows.
// No control moves left or up. The places come back in the order given.
std::vector<ControlPlace> FitCaptions(const std::vector<CaptionedPlace>& controls, int captionGap,
                                      int windowWidth);

}  // namespace ostrevin::toolkit
