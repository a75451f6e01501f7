#include "ui/form.h"

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

void Form::resetControls() {
  for (const auto& c : controls_) c->reset();
}

void Form::setObserver(FormObserver* observer) {
  observer_ = observer;
  for (const auto& c : controls_) c->setObserver(observer);
}

}  // namespace tamrill::ui
