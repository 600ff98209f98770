#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace quillcast::fuzz {

// Decodes a fuzzer's input front to back. Running out is never an error:
// missing bytes read as zero and missing text as empty, so every input means
// something and no mutation is wasted. Texts are views into the input itself,
// so a read past their end lands outside the fuzzer's buffer and AddressSanitizer
// reports it.
class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size)
        : rest_(reinterpret_cast<const char*>(data), size) {}

    bool Empty() const { return rest_.empty(); }

    std::uint8_t Byte() {
        if (rest_.empty()) return 0;
        const auto byte = static_cast<std::uint8_t>(rest_.front());
        rest_.remove_prefix(1);
        return byte;
    }

    char Char() { return static_cast<char>(Byte()); }

    // -128..127: small readings and indices, near the edges of their ranges.
    int SmallInt() { return static_cast<std::int8_t>(Byte()); }

    // Four bytes, little-endian: the whole int range, its extremes included.
    int WideInt() {
        std::uint32_t value = 0;
        for (int shift = 0; shift < 32; shift += 8) value |= std::uint32_t{Byte()} << shift;
        return static_cast<std::int32_t>(value);
    }

    // A text preceded by its length in one byte (two for LongText), cut short
    // where the input ends.
    std::string_view Text() { return Take(Byte()); }
    std::string_view LongText() {
        const std::size_t low = Byte();
        return Take(low | std::size_t{Byte()} << 8);
    }

    std::string_view Rest() { return Take(rest_.size()); }

private:
    std::string_view Take(std::size_t count) {
        const std::string_view taken = rest_.substr(0, std::min(count, rest_.size()));
        rest_.remove_prefix(taken.size());
        return taken;
    }

    std::string_view rest_;
};

}  // namespace quillcast::fuzz
