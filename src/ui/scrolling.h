#pragma once
// What the user can do to a scroll bar, and the mouse wheel's rotation counted in notches.

#include <cstdint>

namespace tamrill::ui {

enum class ScrollAction : std::uint8_t {
  LineUp,  // an arrow, or the arrow keys
  LineDown,
  PageUp,  // a click beside the thumb, or Page Up / Page Down
  PageDown,
  Top,      // Home
  Bottom,   // End
  Track,    // the thumb being dragged
  Release,  // the thumb let go
};

// A wheel reports its rotation in small parts on some mice: the parts add up to notches, and
// what is left over waits for the next turn in the same direction.
class WheelNotches {
 public:
  static constexpr int kNotch = 120;  // the platform's rotation for one notch

  // Rotation away from the user is positive; returns the whole notches completed now.
  int add(int rotation);

 private:
  int pending_ = 0;
};

}  // namespace tamrill::ui
