#include "toolkit/component_factory.h"

#include <array>

#include "toolkit/about_dlg.h"
#include "toolkit/check_box.h"
#include "toolkit/edit.h"
#include "toolkit/form_fill.h"
#include "toolkit/graphic_label.h"
#include "toolkit/label.h"
#include "toolkit/mask_edit.h"
#include "toolkit/model/exception.h"
#include "toolkit/speed_button.h"
#include "toolkit/starter.h"
#include "toolkit/timer.h"

namespace quillcast {
namespace {

template <class T>
std::unique_ptr<TComponent> Make(TForm& form) {
    return std::make_unique<T>(form);
}

struct ClassEntry {
    std::string_view name;
    std::unique_ptr<TComponent> (*create)(TForm&);
};

constexpr std::array kClasses = {
    ClassEntry{"TSpeedButton", &Make<TSpeedButton>},
    ClassEntry{"TLabel", &Make<TLabel>},
    ClassEntry{"TEdit", &Make<TEdit>},
    ClassEntry{"TMaskEdit", &Make<TMaskEdit>},
    ClassEntry{"TCheckBox", &Make<TCheckBox>},
    ClassEntry{"TTimer", &Make<TTimer>},
    ClassEntry{"TLMDStarter", &Make<TLMDStarter>},
    ClassEntry{"TLMDFormFill", &Make<TLMDFormFill>},
    ClassEntry{"TLMDGraphicLabel", &Make<TLMDGraphicLabel>},
    ClassEntry{"TLMDAboutDlg", &Make<TLMDAboutDlg>},
};

}  // namespace

std::unique_ptr<TComponent> CreateComponent(std::string_view className, TForm& form) {
    for (const auto& entry : kClasses)
        if (entry.name == className) return entry.create(form);
    throw Exception("Class " + std::string(className) + " not found");
}

}  // namespace quillcast
