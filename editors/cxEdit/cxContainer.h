#pragma once
// The control bases of the edit family: a control with a look-and-feel that reports focus
// changes, and a container that may host one inner native control and owns a style (font,
// colour, border) whose members come from the container itself, else a style controller, else
// a default.
#include "framework/Control.h"
#include "lookandfeel/cxLookAndFeels.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace velkaro {

class TcxContainerStyle;

class TcxControl : public TControl {
public:
    explicit TcxControl(TControl* parent);

    TcxLookAndFeel& LookAndFeel() { return lookAndFeel_; }
    // With it the control's colour is its parent's.
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool value);

    // Fired after every change of the focus state.
    TNotifyEvent OnFocusChanged;
    TNotifyEvent OnDblClick;

protected:
    // Runs OnDblClick.
    void DblClick();
    virtual void LookAndFeelChanged() { Invalidate(); }
    virtual void ParentColorChanged() { Invalidate(); }

private:
    TcxLookAndFeel lookAndFeel_;
    bool parentColor_ = false;
};

enum TcxContainerBorderStyle { cbsNone, cbsSingle, cbsThick, cbsFlat, cbs3D, cbsUltraFlat };

enum TcxBorder : std::uint8_t { bLeft = 1, bTop = 2, bRight = 4, bBottom = 8 };
using TcxBorders = std::uint8_t;
constexpr TcxBorders cxBordersAll = bLeft | bTop | bRight | bBottom;

// Which members of a style were assigned (bit 1 << value).
enum TcxContainerStyleValue {
    svBorderColor,
    svBorderStyle,
    svColor,
    svEdges,
    svFont,
    svHotTrack,
    svShadow,
    svTransparentBorder,
    // The edit style's own members.
    svButtonStyle,
    svButtonTransparency,
    svPopupBorderStyle
};
using TcxContainerStyleValues = std::uint32_t;

class TcxContainerStyle : public TObject {
public:
    // owner: the control whose ParentColor and parent the colour follows, or none for a style
    // controller's style.
    explicit TcxContainerStyle(TcxControl* owner);
    ~TcxContainerStyle() override;
    TcxContainerStyle(const TcxContainerStyle&) = delete;
    TcxContainerStyle& operator=(const TcxContainerStyle&) = delete;

    TcxContainerStyleValues AssignedValues() const { return assignedValues_; }
    void SetAssignedValues(TcxContainerStyleValues values);
    bool IsAssigned(TcxContainerStyleValue value) const;

    TColor BorderColor() const;
    void SetBorderColor(TColor value);
    TcxContainerBorderStyle ContainerBorderStyle() const;
    void SetContainerBorderStyle(TcxContainerBorderStyle value);
    TColor Color() const;
    void SetColor(TColor value);
    TcxBorders Edges() const;
    void SetEdges(TcxBorders value);
    // The effective font; changing it makes it the style's own.
    TFont& Font();
    bool HotTrack() const;
    void SetHotTrack(bool value);
    bool Shadow() const;
    void SetShadow(bool value);
    bool TransparentBorder() const;
    void SetTransparentBorder(bool value);
    // The look-and-feel of the owner (or of the controller's style).
    TcxLookAndFeel& LookAndFeel();

    // Copies the assigned members and the controller.
    virtual void Assign(const TcxContainerStyle& source);

    // Called after every change, own or the controller's.
    std::function<void()> OnChanged;

protected:
    // The style whose members an unassigned member reads, or none.
    virtual TcxContainerStyle* ControllerStyle() const { return nullptr; }
    virtual int DefaultBorderStyle() const;
    void SetMember(TcxContainerStyleValue value);
    // Stores an own member and marks it assigned.
    template <class T> void SetMember(TcxContainerStyleValue value, T& member, T newValue) {
        member = newValue;
        SetMember(value);
    }
    // The own member when assigned, else the controller style's, else the default.
    template <class Style, class T>
    T Resolve(TcxContainerStyleValue value, const T& own, T (Style::*controllerMember)() const,
              const T& fallback) const {
        if (IsAssigned(value)) {
            return own;
        }
        const auto* controller = static_cast<const Style*>(ControllerStyle());
        return controller != nullptr ? (controller->*controllerMember)() : fallback;
    }
    void Changed();
    int BorderStyleValue() const;
    void SetBorderStyleValue(int value);

private:
    void FontChanged();
    void SyncFont() const;

    TcxControl* owner_;
    TcxLookAndFeel ownLookAndFeel_;
    TcxContainerStyleValues assignedValues_ = 0;
    TColor borderColor_ = clNone;
    int borderStyle_ = cbs3D;
    TColor color_ = clWindow;
    TcxBorders edges_ = cxBordersAll;
    mutable TFont font_;
    mutable bool syncingFont_ = false;
    bool hotTrack_ = true;
    bool shadow_ = false;
    bool transparentBorder_ = true;
};

// A control that may host one inner native control: it forwards the focus to it and owns the
// style it paints with.
class TcxContainer : public TcxControl {
public:
    explicit TcxContainer(TControl* parent);
    ~TcxContainer() override;

    // The hosted control, or none.
    TControl* InnerControl() const { return innerControl_; }

    // A font of the style's own is designed like the bounds and scales with them.
    void ChangeScale(int multiplier, int divisor) override;

protected:
    void SetInnerControl(TControl* control) { innerControl_ = control; }
    // The kind's style class; called once, at the first use of the style.
    virtual std::unique_ptr<TcxContainerStyle> CreateStyle();
    TcxContainerStyle& ContainerStyle();
    const TcxContainerStyle& ContainerStyle() const;
    virtual void StyleChanged();

private:
    TControl* innerControl_ = nullptr;
    mutable std::unique_ptr<TcxContainerStyle> style_;
};

} // namespace velkaro
