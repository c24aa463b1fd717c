#pragma once
// Where each control of a form sits, in pixels of the window's client area.
#include "shell/FormWindow.h"

namespace shell {

const FormLayout& mainFormLayout();

}  // namespace shell
