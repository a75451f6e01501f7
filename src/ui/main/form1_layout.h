#pragma once

#include <span>

#include "ui/form.h"

namespace tamrill::ui {

extern const FormSpec kForm1Spec;
std::span<const ControlSpec> form1Layout();

}  // namespace tamrill::ui
