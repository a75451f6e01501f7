#pragma once

namespace tamrill::ui {

class Form;

// What shows the forms: the windowing side, or the tests' fake.
class FormHost {
 public:
  virtual ~FormHost() = default;
  // Shows a form modeless, creating its window (and the windows of its controls) on first use
  // and bringing it up again when it is already there; false when the window cannot be made.
  [[nodiscard]] virtual bool showForm(Form& form) = 0;
};

}  // namespace tamrill::ui
