#pragma once
// The look of an edit's view: what a paint shows, and the frame and colours as the edit's style,
// size and state give them.
#include "editors/cxEdit/cxEditAlignment.h"
#include "lookandfeel/cxEditPainter.h"
#include "runtime/Color.h"

#include <windows.h>

#include <string>

namespace velkaro {

class TcxCustomEdit;

// Everything a paint of an edit shows: two equal looks paint the same pixels.
struct TcxEditLook {
    TcxEditFrame Frame;
    TColor Background = 0;
    TColor Text = 0;
    int Width = 0;
    int Height = 0;
    // The kind's content.
    bool InnerEditShown = false;
    std::wstring PaintedText;
    HFONT Font = nullptr;
    TAlignment Horz = taLeftJustify;
    TcxEditVertAlignment Vert = taTopJustify;
    friend bool operator==(const TcxEditLook&, const TcxEditLook&) = default;
};

// The frame as the look-and-feel paints it, and the area inside it.
TcxEditFrame EditFrame(const TcxCustomEdit& edit);
RECT EditContentRect(const TcxCustomEdit& edit);
TColor EditViewBackgroundColor(const TcxCustomEdit& edit);
TColor EditViewTextColor(const TcxCustomEdit& edit);
// The look's part that the core paints: background, frame and size.
TcxEditLook EditFrameLook(const TcxCustomEdit& edit);

} // namespace velkaro
