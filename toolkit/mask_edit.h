#pragma once
#include <optional>

#include "sending/time_mask.h"
#include "toolkit/edit.h"

namespace quillcast {

// An edit field with an optional input mask. Without a mask it is a plain edit.
// With the time-of-day mask "!90:00:00>" every key, paste and deletion goes
// through the mask's model, so the field always shows eight characters that fit
// the pattern; leaving it (or Enter) with a required position empty after an
// edit brings the focus back with an error.
class TMaskEdit : public TEdit {
public:
    static constexpr std::string_view kTimeMask = "!90:00:00>";
    static constexpr const char* kInvalidInput = "Invalid input value.  Use escape key to abandon changes";

    using TEdit::TEdit;
    std::string_view ClassName() const override { return "TMaskEdit"; }
    void ReadProperty(std::string_view name, std::string_view value) override;
    void Loaded() override;

    // With a mask: blanks as spaces and the separators in force now.
    std::string Text() const override;
    void SetText(std::string_view text) override;
    const std::string& EditMask() const noexcept { return editMask_; }

protected:
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void Show(const MaskEditResult& edit);
    void SyncSelection();
    void ValidateEdit();
    std::string ClipboardText() const;

    std::string editMask_;
    mutable std::optional<TimeMask> mask_;
    bool showing_ = false;  // our own WM_SETTEXT, not someone else's
    bool returningAfterRefusal_ = false;
};

}  // namespace quillcast
