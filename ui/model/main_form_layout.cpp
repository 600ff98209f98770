#include "ui/model/main_form_layout.h"

namespace quillcast {
namespace {

// Flat edits: the standard sunken border and no bevel line of their own.
#define QC_FLAT_EDIT {"BevelInner", "bvNone"}, {"BevelKind", "bkFlat"}, {"BevelOuter", "bvNone"}

FormLayout BuildMainFormLayout() {
    return FormLayout{
        "frmMain",
        "TfrmMain",
        {
            {"Left", "281"}, {"Top", "104"}, {"Width", "706"}, {"Height", "480"},
            {"Caption", "Quillcast"},
            {"Color", "clBtnFace"},
            {"Font.Charset", "DEFAULT_CHARSET"}, {"Font.Color", "clWindowText"},
            {"Font.Height", "-11"}, {"Font.Name", "MS Sans Serif"}, {"Font.Style", "[]"},
            {"OldCreateOrder", "False"},
            {"PixelsPerInch", "96"},
            {"TextHeight", "13"},
        },
        {
            {"sendMsg", "TSpeedButton",
             {{"Left", "504"}, {"Top", "224"}, {"Width", "121"}, {"Height", "33"},
              {"Hint", "Let's send message!"}, {"Caption", "Send Message"}, {"Flat", "True"},
              {"Glyph", "GLYPH_SEND"}, {"ParentShowHint", "False"}, {"ShowHint", "True"},
              {"OnClick", "sendMsgClick"}}},
            {"Label1", "TLabel",
             {{"Left", "16"}, {"Top", "88"}, {"Width", "60"}, {"Height", "13"},
              {"Caption", "IP of reciver:"}, {"Color", "clSilver"}, {"ParentColor", "False"}}},
            {"Label2", "TLabel",
             {{"Left", "128"}, {"Top", "88"}, {"Width", "46"}, {"Height", "13"},
              {"Caption", "Message:"}, {"Color", "clSilver"}, {"ParentColor", "False"}}},
            {"LMDGraphicLabel1", "TLMDGraphicLabel",
             {{"Left", "136"}, {"Top", "0"}, {"Width", "457"}, {"Height", "89"},
              {"Bevel.Mode", "bmCustom"},
              {"Caption", "Zuvo Quillcast"},
              {"Font.Charset", "DEFAULT_CHARSET"}, {"Font.Color", "clWindowText"},
              {"Font.Height", "-40"}, {"Font.Name", "Arial"}, {"Font.Style", "[]"},
              {"ParentFont", "False"},
              {"Transparent", "True"},
              {"Transform", "tmArrow"},
              {"Attributes", "[taPerspective, taToggled, taAutoToggled]"},
              {"Perspective", "tpFrog"},
              {"FillObject.Style", "sfGradient"},
              {"FillObject.Gradient.EndColor", "clSilver"}}},
            {"SpeedButton1", "TSpeedButton",
             {{"Left", "600"}, {"Top", "416"}, {"Width", "97"}, {"Height", "33"},
              {"Hint", "Alredy?.. Ok..."}, {"Caption", "Exit"}, {"Flat", "True"},
              {"Glyph", "GLYPH_EXIT"}, {"ParentShowHint", "False"}, {"ShowHint", "True"},
              {"OnClick", "SpeedButton1Click"}}},
            {"SpeedButton2", "TSpeedButton",
             {{"Left", "496"}, {"Top", "416"}, {"Width", "97"}, {"Height", "31"},
              {"Hint", "About us!"}, {"Caption", "About"}, {"Flat", "True"},
              {"Glyph", "GLYPH_ABOUT"}, {"ParentShowHint", "False"}, {"ShowHint", "True"},
              {"OnClick", "SpeedButton2Click"}}},
            {"IPwhere", "TEdit",
             {{"Left", "16"}, {"Top", "104"}, {"Width", "97"}, {"Height", "21"},
              QC_FLAT_EDIT, {"TabOrder", "0"}, {"Text", "IP of reciver"}}},
            {"messageText", "TEdit",
             {{"Left", "128"}, {"Top", "104"}, {"Width", "497"}, {"Height", "21"},
              QC_FLAT_EDIT, {"TabOrder", "1"}, {"Text", "Message"},
              {"OnKeyPress", "messageTextKeyPress"}}},
            {"dateArrif", "TCheckBox",
             {{"Left", "16"}, {"Top", "160"}, {"Width", "97"}, {"Height", "17"},
              {"Caption", "Will arrive in:"}, {"Color", "clSilver"}, {"ParentColor", "False"},
              {"TabOrder", "2"}}},
            {"timeNow", "TMaskEdit",
             {{"Left", "120"}, {"Top", "160"}, {"Width", "121"}, {"Height", "21"},
              QC_FLAT_EDIT, {"TabOrder", "3"}, {"Text", "timeNow"}}},
            {"timeSet", "TMaskEdit",
             {{"Left", "16"}, {"Top", "184"}, {"Width", "120"}, {"Height", "21"},
              QC_FLAT_EDIT, {"EditMask", "!90:00:00>"}, {"MaxLength", "8"},
              {"TabOrder", "4"}, {"Text", "  :  :  "}}},
            {"RS", "TLMDStarter", {}},
            {"LMDFormFill1", "TLMDFormFill",
             {{"FillObject.Style", "sfGradient"},
              {"FillObject.Gradient.Color", "clSilver"},
              {"FillObject.Gradient.EndColor", "clMedGray"},
              {"FillObject.Gradient.ColorCount", "236"}}},
            {"timeTimer", "TTimer", {{"OnTimer", "timeTimerTimer"}}},
            {"aboutDLG", "TLMDAboutDlg",
             {{"Appname", "Quillcast"},
              {"CaptionTitle", "Quillcast"},
              {"Copyright", "Copyright (c) Zuvo"},
              {"Description", "Want send messages to computers? This program is for you!"},
              {"EMail", "quillcast@example.com"},
              {"Jump", "https://www.example.com/quillcast"},
              {"Version", "1.1.2.37"},
              {"Effect", "deExplode"},
              {"CaptionFill", "True"}}},
        },
    };
}

#undef QC_FLAT_EDIT

}  // namespace

const FormLayout& MainFormLayout() {
    static const FormLayout layout = BuildMainFormLayout();
    return layout;
}

}  // namespace quillcast
