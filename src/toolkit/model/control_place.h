#pragma once

namespace ostrevin::toolkit {

// A control's rectangle on its form, in client coordinates.
struct ControlPlace {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  friend bool operator==(const ControlPlace&, const ControlPlace&) = default;
};

}  // namespace ostrevin::toolkit
