// SPDX-License-Identifier: MIT
// A number box's text through readNumberBox, held against a plain reading of
// the box's rules: at most 31 characters are read; blanks and tabs may
// surround one run of decimal digits and nothing else may be there; the value
// saturates at 4294967295 and is then compared with the bounds.
//
// Input: 8 bytes of bounds (minimum, maximum, little-endian), then the text.
// Short inputs use the suits box's bounds.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/number_box_reading.h"

namespace {

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

std::uint32_t readLittleEndian(const std::uint8_t* bytes) {
    return std::uint32_t{bytes[0]} | std::uint32_t{bytes[1]} << 8 | std::uint32_t{bytes[2]} << 16 |
           std::uint32_t{bytes[3]} << 24;
}

marvane::NumberReading model(std::string text, std::uint32_t minimum, std::uint32_t maximum) {
    using marvane::NumberReadingStatus;
    text = text.substr(0, 31);
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {NumberReadingStatus::NotAnInteger, 0};
    }
    const std::size_t afterDigits =
        std::min(text.find_first_not_of("0123456789", first), text.size());
    if (afterDigits == first || text.find_first_not_of(" \t", afterDigits) != std::string::npos) {
        return {NumberReadingStatus::NotAnInteger, 0};
    }
    std::string digits = text.substr(first, afterDigits - first);
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
    // Eleven digits or more without leading zeros exceed 32 bits for sure.
    const unsigned long long value =
        digits.size() > 10 ? 0xFFFFFFFFULL : std::min(std::stoull(digits), 0xFFFFFFFFULL);
    const auto number = static_cast<std::uint32_t>(value);
    const bool inRange = number >= minimum && number <= maximum;
    return {inRange ? NumberReadingStatus::Ok : NumberReadingStatus::OutOfRange, number};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::uint32_t minimum = 4;
    std::uint32_t maximum = 8;
    if (size >= 8) {
        minimum = readLittleEndian(data);
        maximum = readLittleEndian(data + 4);
        data += 8;
        size -= 8;
    }
    const std::string text(reinterpret_cast<const char*>(data), size);

    const marvane::NumberReading got = marvane::readNumberBox(text, minimum, maximum);
    const marvane::NumberReading expected = model(text, minimum, maximum);
    check(got.status == expected.status);
    if (expected.status != marvane::NumberReadingStatus::NotAnInteger) {
        check(got.value == expected.value);
    }
    return 0;
}
