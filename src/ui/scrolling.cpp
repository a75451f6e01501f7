#include "ui/scrolling.h"

namespace tamrill::ui {

int WheelNotches::add(int rotation) {
  // A turn back the other way starts afresh rather than first paying off the other direction.
  if ((rotation > 0 && pending_ < 0) || (rotation < 0 && pending_ > 0)) pending_ = 0;
  pending_ += rotation;
  const int notches = pending_ / kNotch;
  pending_ -= notches * kNotch;
  return notches;
}

}  // namespace tamrill::ui
