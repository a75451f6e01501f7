#pragma once
// The model of one window: its design values, the controls it owns, and one entry point through
// which the platform delivers every event. Subclasses route events to one handler method per
// handled event, named after the control and the event (command3Click, timer1Timer, form1Load).

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "ui/control.h"
#include "ui/event_gate.h"
#include "ui/scrolling.h"

namespace tamrill::ui {

enum class Event : std::uint8_t { Load, Unload, Click, DblClick, MouseMove, Timer, Change, Scroll };

enum class BorderStyle : std::uint8_t {
  FixedSingle,      // fixed frame, control box, minimise button, no maximise button
  FixedToolWindow,  // small caption with the close box only
};

struct FormDesign {
  const char* name = "";
  const char16_t* caption = u"";
  int clientWidth = 0;  // twips
  int clientHeight = 0;
  BorderStyle border = BorderStyle::FixedSingle;
  bool showInTaskbar = true;
};

class Form;

class FormObserver : public ControlObserver {
 public:
  virtual void formCaptionChanged(Form& form) = 0;

 protected:
  ~FormObserver() = default;
};

class Form {
 public:
  Form(const FormDesign& design, std::span<const ControlDesign> layout, EventGate& gate);
  virtual ~Form() = default;
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const FormDesign& design() const { return design_; }
  const Text& caption() const { return caption_; }
  void setCaption(Text caption);

  // In creation order, which is the order of the layout table; containers come before the
  // controls they hold. Among the controls of one container it is also their stacking order
  // from the top down: an earlier row lies above a later one (a background picture comes last).
  const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
  Control& control(std::string_view name) const;
  Control* findControl(std::string_view name) const;

  // The platform's single way in. source is null for events of the form itself. An event that
  // arrives while any handler of any window runs is dropped.
  void deliver(Control* source, Event event);

  // The system ends the user's session. Unlike every event this is not gated: the session
  // ends whether or not a handler waits in a message box, so what must happen then (nothing,
  // unless a form says otherwise) happens at once and shows nothing.
  virtual void sessionEnding() {}

  // The user moved a scroll bar (thumb is the dragged thumb's position for Track and Release).
  // The bar takes its new value and raises Change, or Scroll while the thumb is dragged; while
  // another handler runs, nothing moves.
  void scroll(Control& bar, ScrollAction action, int thumb = 0);
  // The mouse wheel turned anywhere over the window: the form's scroll bar moves by its arrow
  // step per notch, as if its arrows had been pressed.
  void wheel(int rotation);
  // A scrolling key (Page Up, Home…) pressed while the window itself has the focus: the form's
  // scroll bar moves as it does when it has the focus.
  void scrollKey(ScrollAction action);

  // The platform is about to build the form's window. A window built again after a closing
  // starts from the design values; the form object, and what it keeps of its own, live on.
  void prepareNewWindow();
  // Back to the design values.
  void resetControls();
  void setObserver(FormObserver* observer);
  FormObserver* observer() const { return observer_; }

 protected:
  virtual void handle(Control* source, Event event) = 0;

 private:
  Control* scrollBar() const;  // the one the wheel and the keys move, if any

  FormDesign design_;
  Text caption_;
  std::vector<std::unique_ptr<Control>> controls_;
  EventGate& gate_;
  FormObserver* observer_ = nullptr;
  WheelNotches wheelNotches_;
  bool windowBuilt_ = false;
};

}  // namespace tamrill::ui
