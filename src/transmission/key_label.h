// A label used as a button: its keyboard letter (marked '&' in the caption) is
// shown underlined, as a button's letter is.
#pragma once

#include "platform/ui/control.h"

namespace vt {

class KeyLabel : public Label {
 public:
  using Label::Label;
  void Paint(Surface& canvas, int originX, int originY, TextRenderer& text) const override;
};

}  // namespace vt
