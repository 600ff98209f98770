#include "toolkit/model/layout.h"

namespace quillcast {

std::optional<std::string_view> FindProperty(const LayoutProperties& properties, std::string_view name) {
    for (const auto& property : properties)
        if (property.name == name) return property.value;
    return std::nullopt;
}

const ComponentLayout* FindComponent(const FormLayout& layout, std::string_view name) {
    for (const auto& component : layout.components)
        if (component.name == name) return &component;
    return nullptr;
}

}  // namespace quillcast
