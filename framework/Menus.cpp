#include "framework/Menus.h"

#include "framework/DeferredWork.h"

namespace velkaro {

void TMenuItem::Click() {
    if (enabled_ && OnClick) {
        OnClick(this);
    }
}

// The menu's own modal loop; answers the position of the item chosen from 1, or 0.
std::size_t TPopupMenu::Track(int x, int y, HWND owner) const {
    const TModalLoop modal;
    HMENU menu = CreatePopupMenu();
    for (std::size_t index = 0; index < items_.size(); ++index) {
        const UINT flags = MF_STRING | (items_[index]->Enabled() ? MF_ENABLED : MF_GRAYED);
        AppendMenuW(menu, flags, index + 1, items_[index]->Caption().c_str());
    }
    // The owner must be in the foreground, or the menu does not close when clicked away.
    SetForegroundWindow(owner);
    const auto chosen = static_cast<std::size_t>(
        TrackPopupMenuEx(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, x, y,
                         owner, nullptr));
    DestroyMenu(menu);
    PostMessageW(owner, WM_NULL, 0, 0);
    return chosen;
}

void TPopupMenu::Popup(int x, int y, HWND owner) {
    if (OnPopup) {
        OnPopup(this);
    }
    const std::size_t chosen = Track(x, y, owner);
    if (chosen >= 1 && chosen <= items_.size()) {
        items_[chosen - 1]->Click();
    }
}

} // namespace velkaro
