#pragma once
#include <memory>
#include <string_view>

#include "toolkit/component.h"

namespace quillcast {

class TForm;

// Creates a component of the class a layout names; an unknown class is an error.
std::unique_ptr<TComponent> CreateComponent(std::string_view className, TForm& form);

}  // namespace quillcast
