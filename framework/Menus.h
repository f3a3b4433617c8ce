#pragma once
// Popup menus: items with captions and click events, shown at a screen position.
#include "runtime/Events.h"

#include <windows.h>

#include <string>
#include <vector>

namespace velkaro {

class TMenuItem : public TObject {
public:
    explicit TMenuItem(std::wstring caption = {}) : caption_(std::move(caption)) {}
    const std::wstring& Caption() const { return caption_; }
    void SetCaption(std::wstring caption) { caption_ = std::move(caption); }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value) { enabled_ = value; }
    void Click();

    TNotifyEvent OnClick;

private:
    std::wstring caption_;
    bool enabled_ = true;
};

class TPopupMenu : public TObject {
public:
    // Items are owned by the form that declares them, in display order.
    void Add(TMenuItem* item) { items_.push_back(item); }
    const std::vector<TMenuItem*>& Items() const { return items_; }
    // Shows the menu with its top-left corner at a screen point; runs the chosen item's click.
    void Popup(int x, int y, HWND owner);

    TNotifyEvent OnPopup;

private:
    std::size_t Track(int x, int y, HWND owner) const;

    std::vector<TMenuItem*> items_;
};

} // namespace velkaro
