#include "toolkit/about_dlg.h"

#include <cstdint>
#include <utility>

#include "toolkit/model/exception.h"
#include "toolkit/model/property_values.h"

namespace quillcast {

void TLMDAboutDlg::ReadProperty(std::string_view name, std::string_view value) {
    about::AboutTexts& texts = settings_.texts;
    if (name == "Appname") texts.appName = value;
    else if (name == "CaptionTitle") settings_.captionTitle = value;
    else if (name == "Version") texts.version = value;
    else if (name == "Description") texts.description = value;
    else if (name == "Copyright") texts.copyright = value;
    else if (name == "Jump") texts.webAddress = value;
    else if (name == "EMail") texts.eMail = value;
    else if (name == "CaptionFill") settings_.captionFill = ParseBoolean(value);
    else if (name == "Effect") {
        if (value != "deExplode" && value != "deNone")
            throw Exception("Invalid property value: Effect '" + std::string(value) + "'");
        settings_.explode = value == "deExplode";
    } else {
        TFormComponent::ReadProperty(name, value);
    }
}

void TLMDAboutDlg::Describe(std::string& out) const {
    TFormComponent::Describe(out);
    out += "Hwnd=" + std::to_string(reinterpret_cast<std::uintptr_t>(openBox_)) + "\n";
}

bool TLMDAboutDlg::Execute() {
    TAboutBox box(Form(), settings_);
    box.Build();
    const HWND previous = std::exchange(openBox_, box.Handle());
    try {
        box.ShowModal();
    } catch (...) {
        openBox_ = previous;
        throw;
    }
    openBox_ = previous;
    return true;
}

}  // namespace quillcast
