// Runs the currency edit's conversions and key filter over arbitrary texts, keys and selections.
// Besides the sanitizers it checks that a key the filter lets through leaves a text that
// converts, and that a failed conversion leaves the value 0.
#include "editors/cxCurrencyEdit/cxCurrencyConversions.h"
#include "fuzz/runtime/FuzzInput.h"

#include <array>
#include <cmath>
#include <cstdlib>

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void CheckAmount(const std::wstring& text) {
    double value = 1;
    if (!velkaro::TryTextToAmount(text, value)) {
        Check(value == 0);
        return;
    }
    const double magnitude = std::fabs(value);
    Check(value == 0 || (magnitude >= 4.9e-324 && magnitude <= 1.7e308));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velkaro;
    fuzzing::FuzzInput input(data, size);
    input.ChooseLocale();
    const std::uint8_t flags = input.Byte();
    const int decimalPlaces = (flags & 7) - 1;
    const bool useThousandSeparator = (flags & 8) != 0;
    const bool nullable = (flags & 16) != 0;
    const std::size_t selectionStart = input.Byte();
    const std::size_t selectionLength = input.Byte();
    const wchar_t typed = static_cast<wchar_t>(input.Value<std::uint16_t>());
    constexpr std::array<const wchar_t*, 4> kFormats = {L"", L",0 TL", L",0.00 TL;-,0.00 TL",
                                                        L"#,##0.## 'x';(0);zero"};
    const TcxAmountDisplaySettings display{nullable, L"0 TL", kFormats[(flags >> 5) & 3]};
    const std::wstring text = input.Text();

    CheckAmount(text);

    const TcxAmountKeyContext context{text, selectionStart, selectionLength, decimalPlaces,
                                      useThousandSeparator};
    const wchar_t key = AmountKeyChar(typed, useThousandSeparator);
    const std::wstring candidate = TextAfterKey(context, key);
    CheckAmount(candidate);
    if (AmountKeyAccepted(context, key) && candidate != L"-") {
        double value = 0;
        Check(TryTextToAmount(candidate, value));
        Check(AmountEditValue(candidate, nullable, display.NullString).Kind() ==
              VariantKind::Double);
    }

    for (const Variant& value :
         {AmountEditValue(text, nullable, display.NullString), Variant(text)}) {
        AmountDisplayValue(value, false, display);
        AmountDisplayValue(value, true, display);
    }
    return 0;
}
