#include "framework.h"

#include <cstdio>

namespace e2e {

void fail(const std::string& reason) { throw CheckFailure(reason); }

std::string show(const std::string& value) {
    std::string out = "\"";
    for (unsigned char c : value) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c >= 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            out += escaped;
        } else {
            out += static_cast<char>(c);
        }
    }
    if (out.size() > 300) out = out.substr(0, 200) + "...(" + std::to_string(value.size()) + " bytes)";
    return out + "\"";
}

void Findings::report() const {
    if (problems_.empty()) return;
    std::string all = show(problems_.size()) + " mismatch(es): ";
    for (std::size_t i = 0; i < problems_.size(); ++i) all += (i ? "; " : "") + problems_[i];
    fail(all);
}

namespace {

bool globMatch(const char* pattern, const char* text) {
    if (*pattern == '\0') return *text == '\0';
    if (*pattern == '*') {
        for (const char* rest = text;; ++rest) {
            if (globMatch(pattern + 1, rest)) return true;
            if (*rest == '\0') return false;
        }
    }
    return *text != '\0' && *pattern == *text && globMatch(pattern + 1, text + 1);
}

}  // namespace

bool matchesFilter(const std::string& name, const std::string& filter) {
    if (filter.empty()) return true;
    std::size_t start = 0;
    while (start <= filter.size()) {
        const std::size_t comma = filter.find(',', start);
        const std::string pattern = filter.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        // A pattern without '*' selects every case whose name starts with it.
        const std::string effective = pattern.find('*') == std::string::npos ? pattern + "*" : pattern;
        if (!pattern.empty() && globMatch(effective.c_str(), name.c_str())) return true;
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return false;
}

}  // namespace e2e
