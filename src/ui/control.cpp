#include "ui/control.h"

#include <algorithm>

namespace tamrill::ui {

Control::Control(const ControlDesign& design, Control* container)
    : design_(design),
      container_(container),
      caption_(design.caption),
      enabled_(design.enabled),
      visible_(design.visible),
      foreColor_(design.foreColor),
      opaque_(design.opaque),
      top_(design.top),
      value_(design.value) {}

Text Control::accessibleName() const {
  if (kind() == ControlKind::TextBox) return Text(design_.tooltip);
  return caption_;
}

void Control::notify(Property property) {
  if (observer_ != nullptr) observer_->controlChanged(*this, property);
}

void Control::setCaption(Text caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  notify(Property::Caption);
}

void Control::writeCaption(Text caption) {
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
  value = std::clamp(value, std::min(design_.minimum, design_.maximum),
                     std::max(design_.minimum, design_.maximum));
  if (value == value_) return;
  value_ = value;
  notify(Property::Value);
}

void Control::reset() {
  setCaption(design_.caption);
  setEnabled(design_.enabled);
  setVisible(design_.visible);
  setForeColor(design_.foreColor);
  setOpaque(design_.opaque);
  setTop(design_.top);
  setValue(design_.value);
}

}  // namespace tamrill::ui
