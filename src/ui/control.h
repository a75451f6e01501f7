#pragma once
// Plain models of the standard controls. A form owns them; the Win32 layer renders each one as a
// real control and is told of every property change at once through ControlObserver, so that a
// caption changed before a modal box is already on screen while the box is up.

#include <cstdint>
#include <string>

#include "base/text.h"

namespace tamrill::ui {

enum class ControlKind : std::uint8_t {
  Button,
  Label,
  TextBox,
  Line,
  Image,
  Timer,
  ScrollBar,
  Frame,
  RichTextBox,
};

enum class SystemColour : std::uint8_t {
  ButtonFace,
  ButtonText,
  WindowText,
  ButtonShadow,
  ActiveBorder,
  InactiveBorder,
  Highlight,
};

// Red, green and blue as written in the layouts (FF0000 is pure red), or a system colour.
class Colour {
 public:
  static constexpr Colour rgb(std::uint32_t rrggbb) { return Colour(rrggbb, false); }
  static constexpr Colour system(SystemColour which) {
    return Colour(static_cast<std::uint32_t>(which), true);
  }
  constexpr bool isSystem() const { return system_; }
  constexpr std::uint32_t rgbValue() const { return value_; }
  constexpr SystemColour systemColour() const { return static_cast<SystemColour>(value_); }
  constexpr bool operator==(const Colour&) const = default;

 private:
  constexpr Colour(std::uint32_t value, bool isSystemColour)
      : value_(value), system_(isSystemColour) {}
  std::uint32_t value_;
  bool system_;
};

struct Font {
  int hundredthsOfPoint = 825;  // 8.25 pt
  bool bold = false;
  constexpr bool operator==(const Font&) const = default;
};

enum class Alignment : std::uint8_t { Left, Centre };
enum class Cursor : std::uint8_t { Arrow, HelpArrow };
enum class Picture : std::uint8_t { None, ProgramIcon, AboutBackground };

// One row of a layout table: the design values of a control. Positions and sizes are in twips
// from the top-left corner of the client area, or of the containing frame. For a line, left/top
// is one end and width/height hold the other end's x and y.
struct ControlDesign {
  const char* name = "";
  ControlKind kind = ControlKind::Label;
  const char16_t* caption = u"";
  const char16_t* tooltip = u"";
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool enabled = true;
  bool visible = true;
  int tabIndex = -1;           // -1: takes no focus
  const char* container = "";  // name of the frame that holds it; empty for the form itself
  Colour foreColor = Colour::system(SystemColour::ButtonText);
  Colour backColor = Colour::system(SystemColour::ButtonFace);
  bool opaque = false;  // BackStyle of labels: transparent unless set
  Font font = {};
  Alignment alignment = Alignment::Left;
  bool autoSize = false;   // labels: the size follows the caption
  bool multiLine = false;  // text boxes
  Cursor cursor = Cursor::Arrow;
  Picture picture = Picture::None;
  int lineWidth = 1;
  bool dashed = false;
  int interval = 0;  // timers, in milliseconds; enabled from creation when not 0
  int minimum = 0;   // scroll bars
  int maximum = 0;
  int value = 0;
  int smallChange = 1;
  int largeChange = 1;
};

class Control;

enum class Property : std::uint8_t {
  Caption,
  Enabled,
  Visible,
  ForeColor,
  BackStyle,
  Position,
  Value,
};

class ControlObserver {
 public:
  virtual void controlChanged(Control& control, Property property) = 0;

 protected:
  ~ControlObserver() = default;
};

class Control {
 public:
  Control(const ControlDesign& design, Control* container);
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const ControlDesign& design() const { return design_; }
  std::string_view name() const { return design_.name; }
  ControlKind kind() const { return design_.kind; }
  Control* container() const { return container_; }

  const Text& caption() const { return caption_; }
  // What a screen reader calls the control: its caption, except for a text box, whose caption is
  // what the user typed there; it goes by its tooltip.
  Text accessibleName() const;
  void setCaption(Text caption);
  // Pushes the caption to the screen even when the model holds it already.
  void writeCaption(Text caption);
  // What the user typed into a text box: the model follows without echoing it back.
  void takeCaptionFromUser(Text caption) { caption_ = std::move(caption); }
  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled);
  bool visible() const { return visible_; }
  void setVisible(bool visible);
  Colour foreColor() const { return foreColor_; }
  void setForeColor(Colour colour);
  bool opaque() const { return opaque_; }
  void setOpaque(bool opaque);
  int left() const { return design_.left; }
  int top() const { return top_; }
  void setTop(int twips);
  int value() const { return value_; }
  void setValue(int value);  // for a scroll bar: clamped to its range

  // Back to the design values, as when the control is built anew.
  void reset();
  void setObserver(ControlObserver* observer) { observer_ = observer; }

 private:
  void notify(Property property);

  ControlDesign design_;
  Control* container_;
  ControlObserver* observer_ = nullptr;
  Text caption_;
  bool enabled_;
  bool visible_;
  Colour foreColor_;
  bool opaque_;
  int top_;
  int value_;
};

}  // namespace tamrill::ui
