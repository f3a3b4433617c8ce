#pragma once
// How a control's edges and marks look: one of three painting kinds, or the system's visual
// style when the platform has one. A change tells the owning control, which repaints.
#include <functional>

namespace velkaro {

enum class TcxLookAndFeelKind { lfFlat, lfStandard, lfUltraFlat };
constexpr int kLookAndFeelKindCount = 3;

class TcxLookAndFeel {
public:
    TcxLookAndFeelKind Kind() const { return kind_; }
    void SetKind(TcxLookAndFeelKind kind);
    // Asks for the system's visual style where themes are available.
    bool NativeStyle() const { return nativeStyle_; }
    void SetNativeStyle(bool value);
    void Assign(const TcxLookAndFeel& source);

    std::function<void()> OnChanged;

private:
    void Changed();

    TcxLookAndFeelKind kind_ = TcxLookAndFeelKind::lfStandard;
    bool nativeStyle_ = false;
};

} // namespace velkaro
