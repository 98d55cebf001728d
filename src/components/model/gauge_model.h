#pragma once

#include <cstdint>
#include <string>

namespace ostrevin {

// How the gauge draws its value.
enum TGaugeKind : std::uint8_t {
  gkText = 0,
  gkHorizontalBar = 1,
  gkVerticalBar = 2,
  gkPie = 3,
  gkNeedle = 4
};

// bsSingle keeps a one-pixel black frame round the gauge.
enum TGaugeBorderStyle : std::uint8_t { bsNone = 0, bsSingle = 1 };

// The gauge's range and value with their assignment rules. Each setter tells
// whether the gauge must repaint now; a refused assignment throws AppError and
// changes nothing.
class GaugeModel {
 public:
  int MinValue() const { return minValue_; }
  int MaxValue() const { return maxValue_; }
  int Progress() const { return progress_; }

  [[nodiscard]] bool SetMinValue(int value);
  [[nodiscard]] bool SetMaxValue(int value);
  // Clamps into the range; repaint is due only when FilledPercent changed,
  // which keeps a lesson's half-minute steps from redrawing the same pie.
  [[nodiscard]] bool SetProgress(int value);

  // While the gauge takes its design values MinValue and MaxValue may arrive
  // in either order, so their cross checks are suspended.
  void BeginLoading() { loading_ = true; }
  void EndLoading() { loading_ = false; }
  bool Loading() const { return loading_; }

  // The whole percentage of the range reached, 0 for an empty range.
  int FilledPercent() const;

 private:
  int minValue_ = 0;
  int maxValue_ = 100;
  int progress_ = 0;
  bool loading_ = false;
};

struct GaugePoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const GaugePoint&, const GaugePoint&) = default;
};

// Left/top inclusive, right/bottom exclusive.
struct GaugeRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool Empty() const { return right <= left || bottom <= top; }
  friend bool operator==(const GaugeRect&, const GaugeRect&) = default;
};

// The area the kinds draw in: the whole control, less the frame of bsSingle.
GaugeRect GaugePaintRect(int width, int height, TGaugeBorderStyle border);

// The pie's ellipse and, when there is a wedge, the points its rays pass
// through: the wedge runs counterclockwise on the screen from start to end,
// and is the whole ellipse when the two coincide.
struct PieLayout {
  GaugeRect ellipse;
  bool hasWedge = false;
  GaugePoint start;
  GaugePoint end;
};
PieLayout LayOutPie(const GaugeRect& paint, TGaugeBorderStyle border, int filledPercent);

// The filled parts of the bars; empty when nothing is filled.
GaugeRect HorizontalBarFill(const GaugeRect& paint, int filledPercent);
GaugeRect VerticalBarFill(const GaugeRect& paint, int filledPercent);

// The semicircular dial (a pie of a tall ellipse from dialStart
// counterclockwise to dialEnd), its base line (end point excluded) and the
// needle from the dial's centre.
struct NeedleLayout {
  GaugeRect dialEllipse;
  GaugePoint dialStart;
  GaugePoint dialEnd;
  GaugePoint baseFrom;
  GaugePoint baseTo;
  bool hasNeedle = false;
  GaugePoint needleFrom;
  GaugePoint needleTo;
};
NeedleLayout LayOutNeedle(const GaugeRect& paint, TGaugeBorderStyle border, int controlWidth,
                          int filledPercent);

// The percentage written over the drawing, e.g. "37%", and where it starts so
// that it is centred in the paint rectangle.
std::wstring PercentText(int filledPercent);
GaugePoint PercentTextOrigin(const GaugeRect& paint, int textWidth, int textHeight);

}  // namespace ostrevin
