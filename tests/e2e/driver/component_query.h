#pragma once
// The form's read-only inspection: ask about a component by name with WM_COPYDATA;
// the form answers by sending "Key=Value" lines back to a window of ours.
#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

inline constexpr ULONG_PTR kInspectRequest = 0x51430001;
inline constexpr ULONG_PTR kInspectReply = 0x51430002;

class ComponentInfo {
public:
    explicit ComponentInfo(std::map<std::string, std::string> values) : values_(std::move(values)) {}
    bool has(const std::string& key) const { return values_.count(key) != 0; }
    // The value of a key; a missing key fails the case.
    const std::string& text(const std::string& key) const;
    long number(const std::string& key) const;
    // Client rectangle from Left, Top, Width, Height.
    RECT rect() const;

private:
    std::map<std::string, std::string> values_;
};

class Inspector {
public:
    Inspector();
    Inspector(const Inspector&) = delete;
    Inspector& operator=(const Inspector&) = delete;
    ~Inspector();

    // nullopt when the form says the component does not exist.
    std::optional<ComponentInfo> inspect(HWND form, const std::string& name);
    // Like inspect, but a missing component fails the case.
    ComponentInfo component(HWND form, const std::string& name);
    // The component names in creation order (the special name "*").
    std::vector<std::string> creationOrder(HWND form);

private:
    struct Reply {
        bool arrived = false;
        std::string text;
    };
    // Returns the form's answer (TRUE/FALSE) and the reply text, if one came.
    std::pair<bool, std::optional<std::string>> ask(HWND form, const std::string& name);
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    Reply reply_;
};

}  // namespace e2e
