#pragma once

#include <span>

#include "ui/form.h"

namespace tamrill::ui {

extern const FormDesign kForm1Design;
std::span<const ControlDesign> form1Layout();

}  // namespace tamrill::ui
