#include "ui/control.h"

#include <algorithm>

namespace tamrill::ui {

Control::Control(const ControlSpec& spec, Control* container)
    : spec_(spec),
      container_(container),
      caption_(spec.caption),
      enabled_(spec.enabled),
      visible_(spec.visible),
      foreColor_(spec.foreColor),
      opaque_(spec.opaque),
      top_(spec.top),
      value_(spec.value) {}

void Control::notify(Property property) {
  if (observer_ != nullptr) observer_->controlChanged(*this, property);
}

void Control::setCaption(Text caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  notify(Property::Caption);
}

void Control::setEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  notify(Property::Enabled);
}

void Control::setVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  notify(Property::Visible);
}

void Control::setForeColor(Colour colour) {
  if (colour == foreColor_) return;
  foreColor_ = colour;
  notify(Property::ForeColor);
}

void Control::setOpaque(bool opaque) {
  if (opaque == opaque_) return;
  opaque_ = opaque;
  notify(Property::BackStyle);
}

void Control::setTop(int twips) {
  if (twips == top_) return;
  top_ = twips;
  notify(Property::Position);
}

void Control::setValue(int value) {
  value = std::clamp(value, std::min(spec_.minimum, spec_.maximum),
                     std::max(spec_.minimum, spec_.maximum));
  if (value == value_) return;
  value_ = value;
  notify(Property::Value);
}

void Control::takeValueFromUser(int value) {
  value_ = std::clamp(value, std::min(spec_.minimum, spec_.maximum),
                      std::max(spec_.minimum, spec_.maximum));
}

void Control::reset() {
  setCaption(spec_.caption);
  setEnabled(spec_.enabled);
  setVisible(spec_.visible);
  setForeColor(spec_.foreColor);
  setOpaque(spec_.opaque);
  setTop(spec_.top);
  setValue(spec_.value);
}

}  // namespace tamrill::ui
