#include "ui/main_form.h"

#include <array>

#include "sending/send_command.h"
#include "sending/tick_decision.h"
#include "toolkit/application.h"
#include "toolkit/model/exception.h"
#include "ui/test_hooks.h"
#include "ui/model/main_form_layout.h"

namespace quillcast {
namespace {

// Binds a component to the field of its name, checking that its class fits.
template <class T>
bool Assign(T*& field, TComponent* component) {
    field = dynamic_cast<T*>(component);
    return field != nullptr;
}

}  // namespace

const FormLayout& TfrmMain::Layout() const {
    TestHooks::OnBuildWindow();
    return MainFormLayout();
}

void TfrmMain::BindField(std::string_view name, TComponent* component) {
    bool bound = false;
    if (name == "sendMsg") bound = Assign(sendMsg, component);
    else if (name == "RS") bound = Assign(RS, component);
    else if (name == "IPwhere") bound = Assign(IPwhere, component);
    else if (name == "Label1") bound = Assign(Label1, component);
    else if (name == "messageText") bound = Assign(messageText, component);
    else if (name == "Label2") bound = Assign(Label2, component);
    else if (name == "dateArrif") bound = Assign(dateArrif, component);
    else if (name == "LMDFormFill1") bound = Assign(LMDFormFill1, component);
    else if (name == "timeNow") bound = Assign(timeNow, component);
    else if (name == "timeTimer") bound = Assign(timeTimer, component);
    else if (name == "timeSet") bound = Assign(timeSet, component);
    else if (name == "LMDGraphicLabel1") bound = Assign(LMDGraphicLabel1, component);
    else if (name == "aboutDLG") bound = Assign(aboutDLG, component);
    else if (name == "SpeedButton1") bound = Assign(SpeedButton1, component);
    else if (name == "SpeedButton2") bound = Assign(SpeedButton2, component);
    if (!bound) throw Exception("Field " + std::string(ClassName()) + "." + std::string(name) + " not found or of another class");
}

TNotifyEvent TfrmMain::NotifyHandler(std::string_view name) {
    using Method = void (TfrmMain::*)(TObject*);
    struct Entry {
        std::string_view name;
        Method method;
    };
    static constexpr std::array kHandlers = {
        Entry{"sendMsgClick", &TfrmMain::sendMsgClick},
        Entry{"timeTimerTimer", &TfrmMain::timeTimerTimer},
        Entry{"SpeedButton1Click", &TfrmMain::SpeedButton1Click},
        Entry{"SpeedButton2Click", &TfrmMain::SpeedButton2Click},
    };
    for (const auto& entry : kHandlers)
        if (entry.name == name) return [this, method = entry.method](TObject* sender) { (this->*method)(sender); };
    return TForm::NotifyHandler(name);
}

TKeyPressEvent TfrmMain::KeyPressHandler(std::string_view name) {
    if (name == "messageTextKeyPress")
        return [this](TObject* sender, char& key) { messageTextKeyPress(sender, key); };
    return TForm::KeyPressHandler(name);
}

// ---- handlers ----

void TfrmMain::sendMsgClick(TObject*) {
    TestHooks::OnSendClick();
    RS->SetCommand(std::string(kSendProgram));
    const std::string message = messageText->Text();
    const std::string receiver = IPwhere->Text();
    RS->SetParameters(ComposeSendParameters(receiver, message));
    RS->Execute();
}

void TfrmMain::messageTextKeyPress(TObject*, char& Key) {
    if (Key == '\r') sendMsg->Click();
}

void TfrmMain::timeTimerTimer(TObject*) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    const TimeOfDay time{now.wHour, now.wMinute, now.wSecond, now.wMilliseconds};
    const TickDecision tick = DecideTick(time, Application().TimeSettings(), dateArrif->Checked(), timeSet->Text());
    timeNow->SetText(tick.timeText);
    if (tick.send) sendMsg->Click();
}

void TfrmMain::SpeedButton1Click(TObject*) { Close(); }

void TfrmMain::SpeedButton2Click(TObject*) { aboutDLG->Execute(); }

}  // namespace quillcast
