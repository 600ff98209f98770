#include "toolkit/about_dlg.h"

namespace quillcast {

void TLMDAboutDlg::ReadProperty(std::string_view name, std::string_view value) {
    if (name == "Appname" || name == "CaptionTitle" || name == "Copyright" || name == "Description" ||
        name == "EMail" || name == "Jump" || name == "Version" || name == "Effect" || name == "CaptionFill")
        return;
    TFormComponent::ReadProperty(name, value);
}

bool TLMDAboutDlg::Execute() { return true; }

}  // namespace quillcast
