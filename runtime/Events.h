#pragma once
// Event signatures shared by forms and controls. Events are called with the sender; parameters a
// handler may change are passed by reference.
#include <cstdint>
#include <functional>

namespace velkaro {

class TObject {
public:
    virtual ~TObject() = default;
};

enum TShiftFlag : std::uint8_t {
    ssShift = 1,
    ssAlt = 2,
    ssCtrl = 4,
    ssLeft = 8,
    ssRight = 16,
    ssMiddle = 32,
    ssDouble = 64,
};
using TShiftState = std::uint8_t;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

struct TPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

using TNotifyEvent = std::function<void(TObject* sender)>;
using TKeyEvent = std::function<void(TObject* sender, std::uint16_t& key, TShiftState shift)>;
using TKeyPressEvent = std::function<void(TObject* sender, wchar_t& key)>;
using TMouseEvent =
    std::function<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TObject* sender, TShiftState shift, int x, int y)>;
// Before a context menu shows: mousePos is in the control's client area, (-1, -1) when the menu
// was asked for from the keyboard; a handler that sets handled shows none.
using TContextPopupEvent = std::function<void(TObject* sender, TPoint mousePos, bool& handled)>;

} // namespace velkaro
