#pragma once
// The label of the edit family: a read-only text whose caption is its edit value, painted by
// itself with shadows, 3-D styles, rotation, word wrap and an end ellipsis.
#include "editors/cxEdit/cxEdit.h"
#include "editors/cxLabel/cxLabelPainter.h"
#include "editors/cxLabel/cxLabelProperties.h"

#include <string>
#include <string_view>

namespace velkaro {

class TcxCustomLabel;

// Captions that differ only in the case of ASCII letters are the same caption.
bool IsSameLabelCaption(std::wstring_view current, std::wstring_view text);

// The label's style: no frame, and the parent's colour behind the text.
class TcxLabelEditStyle : public TcxCustomEditStyle {
public:
    using TcxCustomEditStyle::TcxCustomEditStyle;

protected:
    int DefaultBorderStyle() const override { return ebsNone; }
};

// Computes the layout values of a label from its properties, style and caption.
class TcxCustomLabelViewData {
public:
    explicit TcxCustomLabelViewData(TcxCustomLabel& label) : label_(label) {}

    TcxLabelPaintValues Calculate(const RECT& textArea) const;
    TcxLabelMeasureFlags MeasureFlags() const;
    // The size automatic sizing gives the text area (a wrapped text keeps the width).
    SIZE ContentSize(int textAreaWidth) const;

private:
    TcxCustomLabel& label_;
};

// Holds the layout of the last paint and paints it.
class TcxCustomLabelViewInfo {
public:
    void Calculate(const TcxCustomLabelViewData& data, const RECT& textArea);
    void Paint(HDC dc, const TcxLabelGlyph* glyph) const;
    const std::wstring& Text() const { return values_.Text; }
    void ClearText() { values_.Text.clear(); }

private:
    TcxLabelPaintValues values_;
};

class TcxCustomLabel : public TcxCustomEdit {
public:
    TcxCustomLabelProperties& Properties() const;

    std::wstring Caption() const { return caption_; }
    // The caption is the edit value; one that matches the current caption but for the case of
    // ASCII letters changes nothing.
    void SetCaption(const std::wstring& text) override;
    bool CaptionAssigned() const { return captionAssigned_; }

    const std::wstring& Name() const { return name_; }
    // Until a caption is assigned the label shows its name.
    void SetName(const std::wstring& name);

    // Focused by the caption's accelerator.
    TControl* FocusControl() const { return focusControl_; }
    void SetFocusControl(TControl* control);

    bool CanFocus() const override;
    bool DialogChar(wchar_t key) override;
    // Static text named by its caption.
    TAccessibleDescription AccessibleDescription() override;

protected:
    TcxCustomLabel(TControl* parent, const TcxEditPropertiesFactory& createProperties);

    void RefreshDisplayFromValue() override;
    void ApplyPropertiesChange() override;
    std::wstring GetDisplayText() const override { return caption_; }
    bool WriteWindowText(const std::wstring& text) override;
    int ContentHeight() override;
    int ContentWidth() override;
    void PaintViewBackground(HDC dc, const RECT& client) override;
    void PaintContent(HDC dc, const RECT& content) override;
    std::unique_ptr<TcxContainerStyle> CreateStyle() override;
    void CreateParams(TCreateParams& params) override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Notification(TControl* destroyed) override;

private:
    bool ShowsParentBackground() const;
    LRESULT EraseBackground(WPARAM wParam, LPARAM lParam);

    std::wstring caption_;
    std::wstring name_;
    TControl* focusControl_ = nullptr;
    bool captionAssigned_ = false;
    TcxCustomLabelViewData viewData_{*this};
    TcxCustomLabelViewInfo viewInfo_;
};

class TcxLabel : public TcxCustomLabel {
public:
    explicit TcxLabel(TControl* parent);

    TcxLabelProperties& Properties() const;

protected:
    void CreateParams(TCreateParams& params) override;
};

} // namespace velkaro
