// What data exchange needs of a control that holds a colour (a colour-picker button).
#pragma once

#include <windows.h>

namespace qiv {

class ColourControl {
 public:
  virtual COLORREF Colour() const = 0;
  // Shows colour from now on.
  virtual void SetColour(COLORREF colour) = 0;

 protected:
  ~ColourControl() = default;
};

}  // namespace qiv
