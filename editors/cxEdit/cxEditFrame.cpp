#include "editors/cxEdit/cxEditFrame.h"

#include "editors/cxEdit/cxEdit.h"

namespace velkaro {

namespace {

// The style's members are read through the same object that resolves them.
TcxCustomEditStyle& StyleOf(const TcxCustomEdit& edit) {
    return const_cast<TcxCustomEdit&>(edit).Style();
}

} // namespace

TcxEditFrame EditFrame(const TcxCustomEdit& edit) {
    TcxCustomEditStyle& style = StyleOf(edit);
    TcxEditFrame frame;
    frame.BorderStyle = style.BorderStyle();
    frame.BorderColor = style.BorderColor();
    frame.Themed = style.LookAndFeel().NativeStyle() && AreVisualStylesActive();
    frame.Enabled = edit.Enabled();
    frame.ReadOnly = edit.ActiveProperties().ReadOnly();
    frame.Focused = edit.FocusReported();
    frame.PixelsPerInch = edit.PixelsPerInch();
    return frame;
}

RECT EditContentRect(const TcxCustomEdit& edit) {
    RECT rect = edit.ClientRect();
    const int border = EditBorderWidth(EditFrame(edit));
    InflateRect(&rect, -border, -border);
    return rect;
}

TColor EditViewBackgroundColor(const TcxCustomEdit& edit) {
    return EditBackgroundColor(StyleOf(edit).Color(), edit.Enabled());
}

TColor EditViewTextColor(const TcxCustomEdit& edit) {
    return EditTextColor(StyleOf(edit).Font().Color(), edit.Enabled());
}

TcxEditLook EditFrameLook(const TcxCustomEdit& edit) {
    TcxEditLook look;
    look.Frame = EditFrame(edit);
    look.Background = EditViewBackgroundColor(edit);
    look.Text = EditViewTextColor(edit);
    const RECT client = edit.ClientRect();
    look.Width = client.right - client.left;
    look.Height = client.bottom - client.top;
    return look;
}

} // namespace velkaro
