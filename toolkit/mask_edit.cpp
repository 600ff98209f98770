#include "toolkit/mask_edit.h"

namespace quillcast {

void TMaskEdit::ReadProperty(std::string_view name, std::string_view value) {
    if (name == "EditMask") editMask_ = value;
    else TEdit::ReadProperty(name, value);
}

}  // namespace quillcast
