#pragma once

#include <span>

#include "ui/form.h"

namespace tamrill::ui {

extern const FormDesign kForm2Design;
std::span<const ControlDesign> form2Layout();

}  // namespace tamrill::ui
