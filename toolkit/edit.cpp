#include "toolkit/edit.h"

#include "toolkit/form.h"
#include "toolkit/model/property_values.h"

namespace quillcast {

void TEdit::ReadProperty(std::string_view name, std::string_view value) {
    if (name == "OnKeyPress") onKeyPress_ = Form().KeyPressHandler(value);
    else if (name == "MaxLength") maxLength_ = ParseInteger(value);
    else TWinControl::ReadProperty(name, value);
}

void TEdit::Loaded() {
    TWinControl::Loaded();
    // Without this the system stops a single-line edit at 30,000 characters.
    SendMessageA(Handle(), EM_LIMITTEXT, maxLength_ > 0 ? maxLength_ : 0, 0);
}

void TEdit::FocusedByKeyboard() { SendMessageA(Handle(), EM_SETSEL, 0, -1); }

bool TEdit::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_CHAR && onKeyPress_) {
        char key = static_cast<char>(wParam);
        onKeyPress_(this, key);
        // The handler may replace the character, or swallow it with a zero.
        result = key == 0 ? 0 : CallDefault(message, static_cast<unsigned char>(key), lParam);
        return true;
    }
    return TWinControl::HandleMessage(message, wParam, lParam, result);
}

}  // namespace quillcast
