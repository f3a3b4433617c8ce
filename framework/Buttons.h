#pragma once
// Push buttons: the native button and the owner-drawn bitmap button. Either can be the default
// button (Enter) or the cancel button (Esc) of its form and can close a modal form with a result.
#include "framework/Control.h"

namespace velkaro {

class TButton : public TControl {
public:
    explicit TButton(TControl* parent);

    bool Default() const { return default_; }
    void SetDefault(bool value);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool value) { cancel_ = value; }
    // Given to the parent form when clicked; a modal form closes with it.
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }

    void Click() override;
    bool HandleDialogKey(std::uint16_t key) override;

protected:
    void CreateParams(TCreateParams& params) override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    virtual DWORD ButtonStyle() const;

private:
    bool AnswersEnter() const;

    bool default_ = false;
    bool cancel_ = false;
    int modalResult_ = 0;
};

// A button that paints its own face: raised or pushed, a dark frame when default or focused,
// the caption centred and a focus rectangle.
class TBitBtn : public TButton {
public:
    using TButton::TButton;

protected:
    void CreateParams(TCreateParams& params) override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    DWORD ButtonStyle() const override { return BS_OWNERDRAW; }

private:
    void DrawItem(const DRAWITEMSTRUCT& item);
};

} // namespace velkaro
