#include "toolkit/model/about_facts.h"

namespace quillcast::about {

std::string ProcessorName(std::uint32_t processorType) {
    switch (processorType) {
    case 386: return "Intel 386";
    case 486: return "Intel 486";
    case 586: return "Intel Pentium";
    case 2000:
    case 3000:
    case 4000: return "Mips R" + std::to_string(processorType);
    case 21064: return "Alpha 21064";
    default: return std::to_string(processorType);
    }
}

std::string MemoryFigureText(std::uint64_t totalPhysicalBytes) {
    return std::to_string(totalPhysicalBytes / 1024) + " KB";
}

std::string PlatformFigureText(std::uint32_t processorCount, std::uint32_t processorType) {
    return std::to_string(processorCount) + "x " + ProcessorName(processorType) + " or compatible";
}

std::vector<FactLine> SystemFactLines(std::uint64_t totalPhysicalBytes, std::uint32_t processorCount,
                                      std::uint32_t processorType) {
    return {{"Available Memory:", MemoryFigureText(totalPhysicalBytes)},
            {"Platform, CPU:", PlatformFigureText(processorCount, processorType)}};
}

std::string LinkTarget(std::string_view text) {
    std::string target;
    if (text.find('@') != std::string_view::npos) target = "mailto:";
    target += text;
    return target;
}

bool IsBlankText(std::string_view text) { return text.find_first_not_of(' ') == std::string_view::npos; }

std::vector<ColumnLine> ColumnLines(const AboutTexts& texts) {
    std::vector<ColumnLine> lines;
    lines.push_back({LineKind::AppName, texts.appName});
    lines.push_back({LineKind::Version, texts.version});
    if (!IsBlankText(texts.description)) lines.push_back({LineKind::Description, texts.description});
    if (!texts.copyright.empty()) lines.push_back({LineKind::Copyright, texts.copyright});
    if (!IsBlankText(texts.webAddress)) lines.push_back({LineKind::WebLink, texts.webAddress});
    if (!IsBlankText(texts.eMail)) lines.push_back({LineKind::EMailLink, texts.eMail});
    return lines;
}

}  // namespace quillcast::about
