#pragma once
// Where each control of a form sits, in pixels of the window's client area.
#include "catalogue/CatalogueData.h"
#include "shell/FormWindow.h"

namespace shell {

const FormLayout& mainFormLayout();
// Title and kv field at the top, the maker box centred below the headline,
// each maker's kind box and model boxes in a column of their own, the return
// buttons side by side at the bottom.
FormLayout catalogueLayout(const catalogue::CatalogueFormData& data);
const FormLayout& remainingFormLayout();
const FormLayout& titleLayout();
const FormLayout& readMeLayout();
const FormLayout& headerLayout();
const FormLayout& displayLayout();
const FormLayout& editorLayout();
const FormLayout& balanceLayout();
const FormLayout& limitsLayout();
const FormLayout& tablesLayout();

}  // namespace shell
