#pragma once
// Turns fuzz bytes into the inputs of the conversions: a locale choice and wide text.
#include "runtime/FormatSettings.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace velkaro::fuzzing {

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::uint8_t Byte() {
        if (size_ == 0) {
            return 0;
        }
        --size_;
        return *data_++;
    }

    template <typename T> T Value() {
        T value{};
        const std::size_t count = size_ < sizeof(T) ? size_ : sizeof(T);
        std::memcpy(&value, data_, count);
        data_ += count;
        size_ -= count;
        return value;
    }

    // One of a few locales, so that separators which differ by locale are exercised too.
    void ChooseLocale() {
        ResetFormatSettings();
        TFormatSettings& s = FormatSettings();
        switch (Byte() % 3) {
        case 1: // Turkish
            s.ThousandSeparator = L'.';
            s.DecimalSeparator = L',';
            s.TimeAMString = L"ÖÖ";
            s.TimePMString = L"ÖS";
            break;
        case 2: // separators that clash with the grammar, and no designators
            s.ThousandSeparator = L' ';
            s.DecimalSeparator = L'e';
            s.TimeSeparator = L'.';
            s.TimeAMString.clear();
            s.TimePMString.clear();
            break;
        default:
            break;
        }
    }

    // The rest as text: mostly ASCII, with a byte of 0xFF introducing any 16-bit character.
    std::wstring Text() {
        std::wstring text;
        while (size_ > 0) {
            const std::uint8_t b = Byte();
            text +=
                b == 0xFF ? static_cast<wchar_t>(Value<std::uint16_t>()) : static_cast<wchar_t>(b);
        }
        return text;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
};

} // namespace velkaro::fuzzing
