#pragma once
// What an event handler's changes left for an edit's view, done once the handler's messages are:
// the inner edit shown or hidden as viewed, the focus passed inward, and a repaint where the look
// differs from the one painted last. A focus that passes through the control and back moves no
// window and repaints nothing; each move is a round of requests to the window server.
#include "editors/cxEdit/cxEditFrame.h"
#include "framework/DeferredWork.h"

#include <cstdint>
#include <optional>

namespace velkaro {

class TcxCustomEdit;

class TcxEditViewSync {
public:
    explicit TcxEditViewSync(TcxCustomEdit& edit);
    TcxEditViewSync(const TcxEditViewSync&) = delete;
    TcxEditViewSync& operator=(const TcxEditViewSync&) = delete;

    // The inner edit shown or hidden as the view has it; at once while the control has no window.
    void ShowInnerEdit();
    // The focus passed inward.
    void PassFocusInward();
    // The view invalidated; inside a focus step, only if its look then differs from the one
    // painted (a kind that cannot tell its look is invalidated at once).
    void Invalidate();
    void Painted(std::optional<TcxEditLook> look) { paintedLook_ = std::move(look); }
    // A new window: the former one's work went with it, and it painted nothing yet.
    void Reset();

private:
    enum TPending : std::uint8_t { InnerFocus = 1, InnerEditShown = 2, Look = 4 };
    void Later(TPending what);
    void Run();
    void ApplyInnerEditShown();

    TcxCustomEdit& edit_;
    std::uint8_t pending_ = 0;
    std::optional<TcxEditLook> paintedLook_;
    TDeferred sync_;
};

} // namespace velkaro
