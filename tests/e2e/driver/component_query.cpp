#include "component_query.h"

#include <cstdlib>

#include "framework.h"
#include "windows_query.h"

namespace e2e {

namespace {
constexpr char kReplyWindowClass[] = "QuillcastE2EInspectReply";
}

const std::string& ComponentInfo::text(const std::string& key) const {
    const auto found = values_.find(key);
    if (found == values_.end()) {
        const auto name = values_.find("Name");
        fail("inspection of " + (name == values_.end() ? std::string("?") : name->second) + " has no " + key);
    }
    return found->second;
}

long ComponentInfo::number(const std::string& key) const {
    const std::string& value = text(key);
    char* end = nullptr;
    const long parsed = std::strtol(value.c_str(), &end, 10);
    if (value.empty() || *end != '\0') fail(key + " is not a number: " + show(value));
    return parsed;
}

RECT ComponentInfo::rect() const {
    const long left = number("Left"), top = number("Top");
    return RECT{left, top, left + number("Width"), top + number("Height")};
}

Inspector::Inspector() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kReplyWindowClass;
    RegisterClassA(&windowClass);
    window_ = CreateWindowExA(0, kReplyWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              windowClass.hInstance, nullptr);
    if (!window_) fail("could not create the window that receives inspection replies");
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Inspector::~Inspector() {
    if (window_) DestroyWindow(window_);
}

LRESULT CALLBACK Inspector::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COPYDATA) {
        auto* self = reinterpret_cast<Inspector*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        if (self && data && data->dwData == kInspectReply) {
            self->reply_.arrived = true;
            self->reply_.text.assign(static_cast<const char*>(data->lpData), data->cbData);
            return TRUE;
        }
        return FALSE;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

std::pair<bool, std::optional<std::string>> Inspector::ask(HWND form, const std::string& name) {
    reply_ = Reply{};
    COPYDATASTRUCT request{};
    request.dwData = kInspectRequest;
    request.cbData = static_cast<DWORD>(name.size());
    request.lpData = const_cast<char*>(name.data());
    // The reply is sent to our window while we wait here, so it has arrived on return.
    const bool found = sendWithTimeout(form, WM_COPYDATA, reinterpret_cast<WPARAM>(window_),
                                       reinterpret_cast<LPARAM>(&request)) != 0;
    if (!reply_.arrived) return {found, std::nullopt};
    return {found, reply_.text};
}

std::optional<ComponentInfo> Inspector::inspect(HWND form, const std::string& name) {
    const auto [found, text] = ask(form, name);
    if (!found) return std::nullopt;
    if (!text) fail("the form confirmed " + name + " but sent no inspection reply");
    std::map<std::string, std::string> values;
    std::size_t start = 0;
    while (start < text->size()) {
        std::size_t end = text->find('\n', start);
        if (end == std::string::npos) end = text->size();
        const std::string line = text->substr(start, end - start);
        const auto equals = line.find('=');
        if (equals == std::string::npos) fail("inspection line without '=': " + show(line));
        values[line.substr(0, equals)] = line.substr(equals + 1);
        start = end + 1;
    }
    return ComponentInfo(std::move(values));
}

ComponentInfo Inspector::component(HWND form, const std::string& name) {
    auto info = inspect(form, name);
    if (!info) fail("the form does not know the component " + name);
    return *info;
}

std::vector<std::string> Inspector::creationOrder(HWND form) {
    const auto info = component(form, "*");
    const std::string& list = info.text("Components");
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start <= list.size()) {
        const auto comma = list.find(',', start);
        names.push_back(list.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return names;
}

}  // namespace e2e
