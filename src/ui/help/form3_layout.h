#pragma once

#include <span>

#include "ui/form.h"

namespace tamrill::ui {

extern const FormDesign kForm3Design;
std::span<const ControlDesign> form3Layout();

}  // namespace tamrill::ui
