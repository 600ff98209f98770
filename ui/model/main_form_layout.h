#pragma once
#include "toolkit/model/layout.h"

namespace quillcast {

// The main window as designed: its properties and its fifteen components in
// creation order, with the handler each event runs, by name.
const FormLayout& MainFormLayout();

}  // namespace quillcast
