#pragma once

#include <functional>
#include <string>
#include <utility>

#include "toolkit/model/control_place.h"

namespace ostrevin::toolkit {

// A control on a form. Its name is how the form finds it, and how numbered
// families ("cb1" .. "cb7") tell their members apart.
class Control {
 public:
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::wstring& Name() const { return name_; }
  void SetName(std::wstring name) { name_ = std::move(name); }

 protected:
  Control() = default;

 private:
  std::wstring name_;
};

// An event of a control, given the control that raised it: handlers shared
// by a numbered family tell the member by its name.
using ControlEvent = std::function<void(Control& sender)>;

}  // namespace ostrevin::toolkit
