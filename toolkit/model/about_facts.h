#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillcast::about {

// The name shown for a processor type as the system reports it (386, 486, 586,
// the MIPS and Alpha numbers); any other type is shown as its number.
std::string ProcessorName(std::uint32_t processorType);

// Total physical memory in whole kilobytes, fraction dropped: "523744 KB".
std::string MemoryFigureText(std::uint64_t totalPhysicalBytes);

// "2x Intel Pentium or compatible".
std::string PlatformFigureText(std::uint32_t processorCount, std::uint32_t processorType);

struct FactLine {
    std::string caption;
    std::string value;
};

// The facts block under the separator, one caption and one value per line.
std::vector<FactLine> SystemFactLines(std::uint64_t totalPhysicalBytes, std::uint32_t processorCount,
                                      std::uint32_t processorType);

// What opening a link hands to the shell: the text itself, or "mailto:" + text
// when the text holds an at sign anywhere.
std::string LinkTarget(std::string_view text);

// Empty or made of spaces only.
bool IsBlankText(std::string_view text);

// The column of texts right of the icon, top to bottom.
enum class LineKind { AppName, Version, Description, Copyright, WebLink, EMailLink };

struct ColumnLine {
    LineKind kind;
    std::string text;
};

struct AboutTexts {
    std::string appName;
    std::string version;
    std::string description;
    std::string copyright;
    std::string webAddress;
    std::string eMail;
};

// The lines the box shows, in order. The name and the version always stand; a
// blank description or link is left out, and so is an empty copyright line.
std::vector<ColumnLine> ColumnLines(const AboutTexts& texts);

}  // namespace quillcast::about
