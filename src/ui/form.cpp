#include "ui/form.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace tamrill::ui {

Form::Form(const FormDesign& design, std::span<const ControlDesign> layout, EventGate& gate)
    : design_(design), caption_(design.caption), gate_(gate) {
  controls_.reserve(layout.size());
  for (const auto& row : layout) {
    Control* container = nullptr;
    if (*row.container != '\0') container = &control(row.container);
    controls_.push_back(std::make_unique<Control>(row, container));
  }
}

void Form::setCaption(Text caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  if (observer_ != nullptr) observer_->formCaptionChanged(*this);
}

Control* Form::findControl(std::string_view name) const {
  for (const auto& c : controls_) {
    if (c->name() == name) return c.get();
  }
  return nullptr;
}

Control& Form::control(std::string_view name) const {
  Control* found = findControl(name);
  // Layouts are fixed tables: a missing name is a programming error caught by every test run.
  if (found == nullptr) throw std::logic_error("no control named " + std::string(name));
  return *found;
}

void Form::deliver(Control* source, Event event) {
  if (gate_.busy()) return;
  EventGate::Pass pass(gate_);
  handle(source, event);
}

void Form::scroll(Control& bar, ScrollAction action, int thumb) {
  if (gate_.busy()) return;
  const ControlDesign& design = bar.design();
  int value = bar.value();
  Event event = Event::Change;
  switch (action) {
    case ScrollAction::LineUp:
      value -= design.smallChange;
      break;
    case ScrollAction::LineDown:
      value += design.smallChange;
      break;
    case ScrollAction::PageUp:
      value -= design.largeChange;
      break;
    case ScrollAction::PageDown:
      value += design.largeChange;
      break;
    case ScrollAction::Top:
      value = std::min(design.minimum, design.maximum);
      break;
    case ScrollAction::Bottom:
      value = std::max(design.minimum, design.maximum);
      break;
    case ScrollAction::Track:
      value = thumb;
      event = Event::Scroll;
      break;
    case ScrollAction::Release:
      value = thumb;
      break;
  }
  const int before = bar.value();
  bar.setValue(value);
  // Letting go of the thumb always reports a change, as the last drag step may have been it.
  if (bar.value() != before || action == ScrollAction::Release) deliver(&bar, event);
}

Control* Form::scrollBar() const {
  const auto bar = std::find_if(controls_.begin(), controls_.end(), [](const auto& c) {
    return c->kind() == ControlKind::ScrollBar && c->visible() && c->enabled();
  });
  return bar != controls_.end() ? bar->get() : nullptr;
}

void Form::wheel(int rotation) {
  if (gate_.busy()) return;
  Control* bar = scrollBar();
  if (bar == nullptr) return;
  const int notches = wheelNotches_.add(rotation);
  // Turning the wheel away from the user shows what lies above, as the up arrow does.
  const int steps = notches < 0 ? -notches : notches;
  for (int i = 0; i < steps; ++i) {
    scroll(*bar, notches > 0 ? ScrollAction::LineUp : ScrollAction::LineDown);
  }
}

void Form::scrollKey(ScrollAction action) {
  if (Control* bar = scrollBar()) scroll(*bar, action);
}

void Form::prepareNewWindow() {
  if (windowBuilt_) resetControls();
  windowBuilt_ = true;
}

void Form::resetControls() {
  for (const auto& c : controls_) c->reset();
}

void Form::setObserver(FormObserver* observer) {
  observer_ = observer;
  for (const auto& c : controls_) c->setObserver(observer);
}

}  // namespace tamrill::ui
