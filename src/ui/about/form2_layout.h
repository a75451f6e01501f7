#pragma once

#include <span>

#include "ui/form.h"

namespace tamrill::ui {

extern const FormSpec kForm2Spec;
std::span<const ControlSpec> form2Layout();

}  // namespace tamrill::ui
