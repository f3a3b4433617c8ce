#pragma once
// The single-line native edit: text, a length limit, read-only mode and select-all. Its height
// follows its font, as a one-line box does.
#include "framework/Control.h"

namespace velkaro {

class TEdit : public TControl {
public:
    explicit TEdit(TControl* parent);

    std::wstring Text() const { return Caption(); }
    void SetText(const std::wstring& text) { SetCaption(text); }
    // 0: no limit beyond the system's.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int length);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value);
    void SelectAll();
    // The height follows the font at the new scale rather than being scaled a second time.
    void ChangeScale(int multiplier, int divisor) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void HandleCreated() override;
    void FontChanged() override;

private:
    void AdjustHeight();

    int maxLength_ = 0;
    bool readOnly_ = false;
};

} // namespace velkaro
