#pragma once
#include <optional>
#include <string_view>
#include <vector>

namespace quillcast {

// A form's layout as data: every component with its class name and its
// published properties as name/value texts, the way a form description stores
// them. Event properties ("OnClick") name the handler to bind by name.
struct LayoutProperty {
    std::string_view name;
    std::string_view value;
};

using LayoutProperties = std::vector<LayoutProperty>;

struct ComponentLayout {
    std::string_view name;
    std::string_view className;
    LayoutProperties properties;
};

struct FormLayout {
    std::string_view name;
    std::string_view className;
    LayoutProperties properties;
    std::vector<ComponentLayout> components;  // in creation order
};

std::optional<std::string_view> FindProperty(const LayoutProperties& properties, std::string_view name);
const ComponentLayout* FindComponent(const FormLayout& layout, std::string_view name);

}  // namespace quillcast
