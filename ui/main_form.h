#pragma once
#include "toolkit/about_dlg.h"
#include "toolkit/check_box.h"
#include "toolkit/edit.h"
#include "toolkit/form.h"
#include "toolkit/form_fill.h"
#include "toolkit/graphic_label.h"
#include "toolkit/label.h"
#include "toolkit/mask_edit.h"
#include "toolkit/speed_button.h"
#include "toolkit/starter.h"
#include "toolkit/timer.h"

namespace quillcast {

// The program's one window: the receiver and message fields, the schedule,
// and the Send Message, About and Exit buttons.
class TfrmMain : public TForm {
public:
    using TForm::TForm;
    std::string_view ClassName() const override { return "TfrmMain"; }

    // Components, bound by name when the window is built.
    TSpeedButton* sendMsg = nullptr;
    TLMDStarter* RS = nullptr;
    TEdit* IPwhere = nullptr;
    TLabel* Label1 = nullptr;
    TEdit* messageText = nullptr;
    TLabel* Label2 = nullptr;
    TCheckBox* dateArrif = nullptr;
    TLMDFormFill* LMDFormFill1 = nullptr;
    TMaskEdit* timeNow = nullptr;
    TTimer* timeTimer = nullptr;
    TMaskEdit* timeSet = nullptr;
    TLMDGraphicLabel* LMDGraphicLabel1 = nullptr;
    TLMDAboutDlg* aboutDLG = nullptr;
    TSpeedButton* SpeedButton1 = nullptr;
    TSpeedButton* SpeedButton2 = nullptr;

    // Event handlers.
    void sendMsgClick(TObject* Sender);
    void messageTextKeyPress(TObject* Sender, char& Key);
    void timeTimerTimer(TObject* Sender);
    void SpeedButton1Click(TObject* Sender);
    void SpeedButton2Click(TObject* Sender);

    TNotifyEvent NotifyHandler(std::string_view name) override;
    TKeyPressEvent KeyPressHandler(std::string_view name) override;

protected:
    const FormLayout& Layout() const override;
    void BindField(std::string_view name, TComponent* component) override;
};

}  // namespace quillcast
