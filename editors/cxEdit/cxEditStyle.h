#pragma once
// The style of an edit (its container style plus button and popup styles), and the style
// controller: a shared style that several edits follow for the members they do not set.
#include "editors/cxEdit/cxContainer.h"
#include "lookandfeel/cxEditPainter.h"

#include <vector>

namespace velkaro {

enum TcxEditButtonStyle { btsDefault, bts3D, btsFlat, btsSimple, btsHotFlat, btsUltraFlat };
enum TcxEditButtonTransparency {
    ebtNone,
    ebtInactive,
    ebtAlways,
    ebtHideInactive,
    ebtHideUnselected
};
enum TcxEditPopupBorderStyle { epbsDefault, epbsSingle, epbsFrame3D, epbsFlat };

class TcxEditStyleController;

class TcxCustomEditStyle : public TcxContainerStyle {
public:
    explicit TcxCustomEditStyle(TcxControl* owner);
    ~TcxCustomEditStyle() override;

    TcxEditBorderStyle BorderStyle() const {
        return static_cast<TcxEditBorderStyle>(BorderStyleValue());
    }
    void SetBorderStyle(TcxEditBorderStyle value) { SetBorderStyleValue(value); }
    TcxEditButtonStyle ButtonStyle() const;
    void SetButtonStyle(TcxEditButtonStyle value);
    TcxEditButtonTransparency ButtonTransparency() const;
    void SetButtonTransparency(TcxEditButtonTransparency value);
    TcxEditPopupBorderStyle PopupBorderStyle() const;
    void SetPopupBorderStyle(TcxEditPopupBorderStyle value);

    TcxEditStyleController* StyleController() const { return controller_; }
    void SetStyleController(TcxEditStyleController* controller);

    void Assign(const TcxContainerStyle& source) override;

protected:
    TcxContainerStyle* ControllerStyle() const override;
    // The border that suits the look-and-feel kind.
    int DefaultBorderStyle() const override;

private:
    friend class TcxEditStyleController;
    void ControllerChanged();
    void ControllerRemoved();

    TcxEditStyleController* controller_ = nullptr;
    TcxEditButtonStyle buttonStyle_ = btsDefault;
    TcxEditButtonTransparency buttonTransparency_ = ebtNone;
    TcxEditPopupBorderStyle popupBorderStyle_ = epbsDefault;
};

class TcxEditStyle : public TcxCustomEditStyle {
public:
    using TcxCustomEditStyle::TcxCustomEditStyle;
};

class TcxEditStyleController : public TObject {
public:
    TcxEditStyleController();
    ~TcxEditStyleController() override;
    TcxEditStyleController(const TcxEditStyleController&) = delete;
    TcxEditStyleController& operator=(const TcxEditStyleController&) = delete;

    TcxEditStyle& Style() { return style_; }

private:
    friend class TcxCustomEditStyle;
    void AddListener(TcxCustomEditStyle& style);
    void RemoveListener(TcxCustomEditStyle& style);
    void StyleChanged();

    TcxEditStyle style_;
    std::vector<TcxCustomEditStyle*> listeners_;
};

} // namespace velkaro
