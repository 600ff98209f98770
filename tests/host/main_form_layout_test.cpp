#include "ui/model/main_form_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "toolkit/model/exception.h"
#include "toolkit/model/property_values.h"

namespace quillcast {
namespace {

std::string Property(std::string_view component, std::string_view name) {
    const ComponentLayout* layout = FindComponent(MainFormLayout(), component);
    if (!layout) return "<no component>";
    const auto value = FindProperty(layout->properties, name);
    return value ? std::string(*value) : "<unset>";
}

TEST(MainFormLayout, CreatesTheFifteenComponentsInDesignedOrderWithTheirClasses) {
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"sendMsg", "TSpeedButton"},       {"Label1", "TLabel"},           {"Label2", "TLabel"},
        {"LMDGraphicLabel1", "TLMDGraphicLabel"}, {"SpeedButton1", "TSpeedButton"}, {"SpeedButton2", "TSpeedButton"},
        {"IPwhere", "TEdit"},              {"messageText", "TEdit"},       {"dateArrif", "TCheckBox"},
        {"timeNow", "TMaskEdit"},          {"timeSet", "TMaskEdit"},       {"RS", "TLMDStarter"},
        {"LMDFormFill1", "TLMDFormFill"},  {"timeTimer", "TTimer"},        {"aboutDLG", "TLMDAboutDlg"}};
    const auto& components = MainFormLayout().components;
    ASSERT_EQ(components.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(components[i].name, expected[i].first) << "at " << i;
        EXPECT_EQ(components[i].className, expected[i].second) << components[i].name;
    }
}

struct BoundsCase {
    const char* name;
    int left, top, width, height;
};

TEST(MainFormLayout, PlacesEveryControlAsDesigned) {
    const BoundsCase cases[] = {
        {"LMDGraphicLabel1", 136, 0, 457, 89}, {"Label1", 16, 88, 60, 13},   {"Label2", 128, 88, 46, 13},
        {"IPwhere", 16, 104, 97, 21},          {"messageText", 128, 104, 497, 21},
        {"dateArrif", 16, 160, 97, 17},        {"timeNow", 120, 160, 121, 21}, {"timeSet", 16, 184, 120, 21},
        {"sendMsg", 504, 224, 121, 33},        {"SpeedButton2", 496, 416, 97, 31},
        {"SpeedButton1", 600, 416, 97, 33}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ParseInteger(Property(c.name, "Left")), c.left);
        EXPECT_EQ(ParseInteger(Property(c.name, "Top")), c.top);
        EXPECT_EQ(ParseInteger(Property(c.name, "Width")), c.width);
        EXPECT_EQ(ParseInteger(Property(c.name, "Height")), c.height);
    }
}

TEST(MainFormLayout, WindowPropertiesAreTheDesignedOnes) {
    const auto& form = MainFormLayout();
    EXPECT_EQ(form.className, "TfrmMain");
    auto prop = [&](std::string_view name) { return std::string(FindProperty(form.properties, name).value_or("")); };
    EXPECT_EQ(prop("Left"), "281");
    EXPECT_EQ(prop("Top"), "104");
    EXPECT_EQ(prop("Width"), "706");
    EXPECT_EQ(prop("Height"), "480");
    EXPECT_EQ(prop("Caption"), "Quillcast");
    EXPECT_EQ(prop("Font.Name"), "MS Sans Serif");
    EXPECT_EQ(prop("Font.Height"), "-11");
    EXPECT_EQ(prop("TextHeight"), "13");
}

TEST(MainFormLayout, TextsAreExactlyTheSystemsOwn) {
    const std::vector<std::tuple<const char*, const char*, const char*>> texts = {
        {"Label1", "Caption", "IP of reciver:"},       {"Label2", "Caption", "Message:"},
        {"IPwhere", "Text", "IP of reciver"},          {"messageText", "Text", "Message"},
        {"dateArrif", "Caption", "Will arrive in:"},   {"timeNow", "Text", "timeNow"},
        {"timeSet", "Text", "  :  :  "},               {"timeSet", "EditMask", "!90:00:00>"},
        {"sendMsg", "Caption", "Send Message"},        {"sendMsg", "Hint", "Let's send message!"},
        {"SpeedButton1", "Caption", "Exit"},           {"SpeedButton1", "Hint", "Alredy?.. Ok..."},
        {"SpeedButton2", "Caption", "About"},          {"SpeedButton2", "Hint", "About us!"},
        {"LMDGraphicLabel1", "Caption", "Zuvo Quillcast"}};
    for (const auto& [component, property, text] : texts) EXPECT_EQ(Property(component, property), text) << component;
}

TEST(MainFormLayout, TabOrderRunsThroughTheFiveFieldsOnly) {
    std::vector<std::pair<int, std::string>> stops;
    for (const auto& component : MainFormLayout().components)
        if (auto order = FindProperty(component.properties, "TabOrder"))
            stops.emplace_back(ParseInteger(*order), std::string(component.name));
    std::sort(stops.begin(), stops.end());
    const std::vector<std::string> expected = {"IPwhere", "messageText", "dateArrif", "timeNow", "timeSet"};
    ASSERT_EQ(stops.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(stops[i].first, static_cast<int>(i));
        EXPECT_EQ(stops[i].second, expected[i]);
    }
}

TEST(MainFormLayout, EachEventNamesItsHandler) {
    const std::vector<std::tuple<const char*, const char*, const char*>> events = {
        {"sendMsg", "OnClick", "sendMsgClick"},
        {"messageText", "OnKeyPress", "messageTextKeyPress"},
        {"timeTimer", "OnTimer", "timeTimerTimer"},
        {"SpeedButton1", "OnClick", "SpeedButton1Click"},
        {"SpeedButton2", "OnClick", "SpeedButton2Click"}};
    int handlerCount = 0;
    for (const auto& component : MainFormLayout().components)
        for (const auto& property : component.properties)
            if (property.name.starts_with("On")) ++handlerCount;
    EXPECT_EQ(handlerCount, static_cast<int>(events.size())) << "no other event has a handler";
    for (const auto& [component, event, handler] : events) EXPECT_EQ(Property(component, event), handler);
}

TEST(MainFormLayout, EveryValueOfAKnownKindParses) {
    // A layout value that cannot be read would stop the program at start-up.
    for (const auto& component : MainFormLayout().components) {
        for (const auto& property : component.properties) {
            SCOPED_TRACE(std::string(component.name) + "." + std::string(property.name));
            const auto& n = property.name;
            if (n == "Left" || n == "Top" || n == "Width" || n == "Height" || n == "TabOrder" || n == "MaxLength" ||
                n.ends_with("ColorCount") || n == "Font.Height") {
                EXPECT_NO_THROW(ParseInteger(property.value));
            } else if (n == "Flat" || n == "ShowHint" || n == "ParentShowHint" || n == "ParentColor" ||
                     n == "Transparent" || n == "ParentFont" || n == "CaptionFill") {
                EXPECT_NO_THROW(ParseBoolean(property.value));
            } else if (n == "Color" || n.ends_with(".Color") || n.ends_with("EndColor")) {
                EXPECT_NO_THROW(ParseColor(property.value));
            }
        }
    }
}

TEST(PropertyValues, RejectValuesTheyCannotRead) {
    EXPECT_THROW(ParseInteger("12px"), Exception);
    EXPECT_THROW(ParseInteger(""), Exception);
    EXPECT_THROW(ParseBoolean("true"), Exception);
    EXPECT_THROW(ParseColor("clSilverish"), Exception);
    EXPECT_THROW(ParseSet("[a,,b]"), Exception);
    EXPECT_THROW(ParseSet("[fsBold,]"), Exception);
    EXPECT_EQ(ParseColor("$00A4A0A0"), ColorValue::Rgb(160, 160, 164));
    EXPECT_EQ(ParseColor("clMedGray"), ColorValue::Rgb(160, 160, 164));
    EXPECT_EQ(ParseSet("[taPerspective, taToggled]").size(), 2u);
    EXPECT_TRUE(ParseSet("[]").empty());
}

}  // namespace
}  // namespace quillcast
