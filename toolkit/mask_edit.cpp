#include "toolkit/mask_edit.h"

#include "toolkit/application.h"
#include "toolkit/form.h"

namespace quillcast {
namespace {
// Asks the field to check its entry after the focus has settled elsewhere.
constexpr UINT kValidateAfterExit = WM_APP + 0x51;
}  // namespace

void TMaskEdit::ReadProperty(std::string_view name, std::string_view value) {
    if (name == "EditMask") {
        if (!value.empty() && value != kTimeMask)
            throw Exception("Unsupported edit mask '" + std::string(value) + "'");
        editMask_ = value;
    } else {
        TEdit::ReadProperty(name, value);
    }
}

void TMaskEdit::Loaded() {
    if (!editMask_.empty()) {
        mask_.emplace(Form().Application().TimeSettings().separator);
        mask_->SetText(Caption());
        SetCaptionText(mask_->DisplayText());
    }
    TEdit::Loaded();
}

std::string TMaskEdit::Text() const {
    if (!mask_) return TEdit::Text();
    mask_->SetSeparatorInForce(Form().Application().TimeSettings().separator);
    return mask_->Text();
}

void TMaskEdit::SetText(std::string_view text) {
    if (!mask_) return TEdit::SetText(text);
    mask_->SetSeparatorInForce(Form().Application().TimeSettings().separator);
    mask_->SetText(text);
    Show(MaskEditResult{false, true, mask_->SelectionStart()});
}

void TMaskEdit::Show(const MaskEditResult& edit) {
    if (edit.refused) {
        MessageBeep(0);  // nothing changed, the selection included
        return;
    }
    if (edit.changed) {
        showing_ = true;
        SetWindowTextA(Handle(), mask_->DisplayText().c_str());
        showing_ = false;
    }
    mask_->SetCaret(edit.caret);
    SendMessageA(Handle(), EM_SETSEL, edit.caret, edit.caret);
}

void TMaskEdit::SyncSelection() {
    DWORD start = 0, end = 0;
    SendMessageA(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    mask_->Select(static_cast<int>(start), static_cast<int>(end));
}

void TMaskEdit::ValidateEdit() {
    const MaskValidation check = mask_->Validate();
    if (check.valid) return;
    returningAfterRefusal_ = GetFocus() != Handle();
    SetFocus();
    mask_->SetCaret(check.caret);
    SendMessageA(Handle(), EM_SETSEL, check.caret, check.caret);
    MessageBeep(0);
    throw Exception(kInvalidInput);
}

std::string TMaskEdit::ClipboardText() const {
    std::string text;
    if (!IsClipboardFormatAvailable(CF_TEXT) || !OpenClipboard(Handle())) return text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const auto* chars = static_cast<const char*>(GlobalLock(data))) {
            text.assign(chars, strnlen(chars, GlobalSize(data)));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

bool TMaskEdit::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (!mask_) return TEdit::HandleMessage(message, wParam, lParam, result);
    result = 0;
    switch (message) {
    case WM_SETFOCUS:
        // Entering the field starts a new edit that Escape can abandon. Coming
        // back after a refused entry, or after a box or another program had the
        // focus, continues the same edit.
        if (!returningAfterRefusal_ && Form().ActiveControl() != this) mask_->FocusGained();
        returningAfterRefusal_ = false;
        return TEdit::HandleMessage(message, wParam, lParam, result);
    case WM_KILLFOCUS: {
        // Only a move to another control of the same window checks the entry;
        // switching to another program or to a box of our own does not.
        HWND next = reinterpret_cast<HWND>(wParam);
        if (next && GetParent(next) == Form().Handle()) PostMessageA(Handle(), kValidateAfterExit, 0, 0);
        return false;
    }
    case kValidateAfterExit:
        if (GetFocus() != Handle()) ValidateEdit();
        return true;
    case WM_KEYDOWN:
        if (wParam == VK_DELETE) {
            SyncSelection();
            Show(mask_->Delete());
            return true;
        }
        return false;
    case WM_CHAR: {
        const char key = static_cast<char>(wParam);
        SyncSelection();
        switch (key) {
        case '\r':
            ValidateEdit();
            return true;
        case 0x1B:
            Show(mask_->Escape());
            return true;
        case '\b':
            Show(mask_->Backspace());
            return true;
        case 0x03:  // Ctrl+C, Ctrl+V, Ctrl+X: the edit turns them into clipboard messages
        case 0x16:
        case 0x18:
            return false;
        default:
            if (static_cast<unsigned char>(key) < 0x20) return true;  // other control keys do nothing
            Show(mask_->Type(key));
            return true;
        }
    }
    case WM_PASTE:
        SyncSelection();
        Show(mask_->Paste(ClipboardText()));
        return true;
    case WM_CUT:
        SendMessageA(Handle(), WM_COPY, 0, 0);
        [[fallthrough]];
    case WM_CLEAR:
        SyncSelection();
        Show(mask_->Delete());
        return true;
    case WM_UNDO:
    case EM_UNDO:
        return true;  // the mask keeps no undo of its own; Escape abandons the edit
    case WM_SETTEXT:
        if (showing_) return false;
        // Text set from outside goes through the mask like any programmatic text.
        mask_->SetText(lParam ? reinterpret_cast<const char*>(lParam) : "");
        Show(MaskEditResult{false, true, 0});
        result = TRUE;
        return true;
    default:
        return TEdit::HandleMessage(message, wParam, lParam, result);
    }
}

}  // namespace quillcast
