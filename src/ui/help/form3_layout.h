#pragma once

#include <span>

#include "ui/form.h"

namespace tamrill::ui {

extern const FormSpec kForm3Spec;
std::span<const ControlSpec> form3Layout();

}  // namespace tamrill::ui
