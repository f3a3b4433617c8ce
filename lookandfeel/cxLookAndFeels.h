#pragma once
// How a control of the family draws its frame: one of the classic kinds, or the platform's visual
// style when it is active and the control asks for it.
#include <functional>

namespace velkaro {

enum TcxLookAndFeelKind { lfFlat, lfStandard, lfUltraFlat };

class TcxLookAndFeel {
public:
    TcxLookAndFeelKind Kind() const { return kind_; }
    void SetKind(TcxLookAndFeelKind value);
    // Use the platform's visual style when one is active.
    bool NativeStyle() const { return nativeStyle_; }
    void SetNativeStyle(bool value);
    void Assign(const TcxLookAndFeel& source);

    std::function<void()> OnChanged;

private:
    void Changed();

    TcxLookAndFeelKind kind_ = lfStandard;
    bool nativeStyle_ = true;
};

} // namespace velkaro
