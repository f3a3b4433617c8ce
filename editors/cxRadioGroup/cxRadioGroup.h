#pragma once
// The tariff selectors' radio button: the framework's radio button (check state, sibling group,
// clicks), drawn by ourselves — a mark from the system theme or from a shared cache of generated
// images, and the caption beside it.
#include "framework/BroadcastWindow.h"
#include "framework/Canvas.h"
#include "framework/RadioButton.h"
#include "lookandfeel/cxLookAndFeels.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace velkaro {

// The visual state of a mark.
enum class TcxRadioButtonState { disabled, hot, normal, pressed };
constexpr int kRadioButtonStateCount = 4;

// What the pointer and the buttons say about a radio button's mark.
struct TcxRadioButtonPointer {
    bool Enabled = true;
    bool Captured = false;    // this control holds the mouse capture
    bool Inside = false;      // the pointer is over the client area
    bool ButtonsHeld = false; // a mouse button or a modifier key is down
};
TcxRadioButtonState RadioButtonState(const TcxRadioButtonPointer& pointer);

// The process-wide cache of generated marks: 2 focus states × 3 look-and-feel kinds × checked or
// not × 4 states, each image made the first time it is drawn.
class TcxRadioButtonImageList : public TObject {
public:
    static constexpr int kImageCount = 48;
    static int ImageIndex(bool focused, TcxLookAndFeelKind kind, bool checked,
                          TcxRadioButtonState state);

    // Marks of the check box's size at the given scale.
    explicit TcxRadioButtonImageList(int pixelsPerInch = kDesignPixelsPerInch);
    TcxRadioButtonImageList(const TcxRadioButtonImageList&) = delete;
    TcxRadioButtonImageList& operator=(const TcxRadioButtonImageList&) = delete;

    SIZE ImageSize() const { return size_; }
    // Draws an image at (x, y), with the transparent parts in the given background colour.
    void Draw(HDC dc, int x, int y, int index, COLORREF background);
    bool Built(int index) const { return built_[static_cast<std::size_t>(index)]; }
    // After a system colour change every image is made again on its next use.
    void Reset();

private:
    void Build(int index);
    std::uint32_t& Pixel(int index, int y, int x);

    SIZE size_{};
    std::vector<std::uint8_t> pattern_; // colour slot per pixel, row by row
    TGdiObject<HBITMAP> sheet_;         // the images in a row, the mask below them
    std::uint32_t* pixels_ = nullptr;   // the sheet's bits
    TMemoryDC dc_;                      // holds the sheet
    std::optional<TSelection> selected_;
    std::array<bool, kImageCount> built_{};
};

// Hears of system colour changes for the image cache, through the program's hidden broadcast
// window.
class TcxRadioButtonColorChangeEventReceiver : public TObject, private IBroadcastListener {
public:
    TcxRadioButtonColorChangeEventReceiver() = default;
    HWND Handle() const { return subscription_.Window(); }

private:
    bool BroadcastReceived(UINT message, WPARAM wParam, LPARAM lParam) override;
    TBroadcastSubscription subscription_{*this};
};

// The shared cache of a scale and the receiver, made on first use and freed when the program ends.
TcxRadioButtonImageList& RadioButtonImageList(int pixelsPerInch = kDesignPixelsPerInch);
TcxRadioButtonColorChangeEventReceiver& RadioButtonColorChangeEventReceiver();

class TcxRadioButton : public TRadioButton {
public:
    explicit TcxRadioButton(TControl* parent);

    TcxLookAndFeel& LookAndFeel() { return lookAndFeel_; }
    // Fill around a themed mark with the parent's themed background rather than Color.
    bool ParentBackground() const { return parentBackground_; }
    void SetParentBackground(bool value);

    TcxRadioButtonState ButtonState() const { return state_; }
    // Where the mark was last drawn, in client coordinates.
    const RECT& MarkRect() const { return markRect_; }
    // Where the caption is drawn beside the mark.
    RECT CaptionRect(const RECT& client) const;

    bool DialogChar(wchar_t key) override;

protected:
    void CreateParams(TCreateParams& params) override;
    // A button disabled before its window existed starts in the disabled state.
    void HandleCreated() override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    DWORD ButtonStyle() const override { return BS_OWNERDRAW; }

private:
    void UpdateState(POINT pointer);
    void UpdateStateFromCursor();
    void InvalidateMark();
    // The handlers of the window procedure.
    void PaintBuffered(HDC target);
    LRESULT PointerMessage(UINT message, WPARAM wParam, LPARAM lParam, POINT pointer);
    LRESULT EnabledChanged(WPARAM wParam, LPARAM lParam);
    void ColorsChanged();
    void Paint(HDC dc, const RECT& client);
    bool PaintThemedMark(HDC dc, const RECT& client);
    void PaintCachedMark(HDC dc, const RECT& client);
    int MarkLeft(const RECT& client, int markWidth) const;
    UINT CaptionFlags() const;
    void PaintCaption(HDC dc, const RECT& client);
    void PaintFocus(HDC dc, const RECT& client);

    TcxLookAndFeel lookAndFeel_;
    bool parentBackground_ = true;
    TcxRadioButtonState state_ = TcxRadioButtonState::normal;
    RECT markRect_{};
};

} // namespace velkaro
