// The pictures the taskbar window hands to the window manager for its thumbnail and live preview:
// of the main form, hidden or not, drawn with its children and fitted to the size asked for. The
// window manager's own calls do nothing here (Wine has none), so what is handed over is captured.
#include "framework/Application.h"
#include "framework/Color.h"
#include "framework/Form.h"
#include "framework/Panel.h"
#include "tests/windows/support/ApplicationTest.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace velkaro::test {
namespace {

struct Picture {
    int Requests = 0;
    HWND Button = nullptr;
    HWND Shown = nullptr;
    UINT Request = 0;
    SIZE Size{};
    int BitsPerPixel = 0;
    // Row by row in memory order: from the top for a top-down bitmap (the panel in the lower
    // half of the form is found in the lower rows).
    std::vector<std::uint32_t> Pixels;

    COLORREF At(POINT point) const {
        const std::uint32_t pixel = Pixels.at(point.y * Size.cx + point.x);
        return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
    }
} handed;

void Capture(HWND button, HWND shown, UINT request, HBITMAP bitmap) {
    DIBSECTION dib{};
    ASSERT_EQ(GetObjectW(bitmap, sizeof(dib), &dib), static_cast<int>(sizeof(dib)));
    handed = {handed.Requests + 1,  button, shown, request, {dib.dsBm.bmWidth, dib.dsBm.bmHeight},
              dib.dsBm.bmBitsPixel, {}};
    const auto* bits = static_cast<const std::uint32_t*>(dib.dsBm.bmBits);
    handed.Pixels.assign(bits, bits + handed.Size.cx * handed.Size.cy);
}

class TaskbarPreviewTest : public ApplicationTest {
protected:
    void SetUp() override {
        ApplicationTest::SetUp();
        Application().HandOverPicture = Capture;
        form_.SetClientSize(300, 200);
        panel_.SetBevelOuter(TBevelCut::bvNone);
        panel_.SetColor(clRed);
        panel_.SetBounds(150, 100, 150, 100);
        panel_.HandleNeeded();
    }

    static TForm& MainForm() {
        StartApplication();
        return static_cast<TForm&>(*Application().MainForm());
    }

    TForm& form_ = MainForm();
    TPanel panel_{&form_};
};

TEST_F(TaskbarPreviewTest, TheTaskbarWindowHandsOverAPictureOfTheMainFormFittedToTheRequest) {
    RECT frame{};
    GetWindowRect(form_.Handle(), &frame);
    const SIZE full{frame.right - frame.left, frame.bottom - frame.top};
    POINT client{};
    ClientToScreen(form_.Handle(), &client);
    // Within the form's client area: its own colour, and the panel's.
    const POINT formPoint{client.x - frame.left + 40, client.y - frame.top + 40};
    const POINT panelPoint{client.x - frame.left + 225, client.y - frame.top + 150};
    const struct {
        const char* Name;
        UINT Request;
        SIZE Max;
        SIZE Expected;
    } requests[] = {
        {"a thumbnail half as wide",
         WM_DWMSENDICONICTHUMBNAIL,
         {full.cx / 2, full.cy},
         {full.cx / 2, MulDiv(full.cy, full.cx / 2, full.cx)}},
        {"a thumbnail half as high",
         WM_DWMSENDICONICTHUMBNAIL,
         {full.cx, full.cy / 2},
         {MulDiv(full.cx, full.cy / 2, full.cy), full.cy / 2}},
        {"a thumbnail larger than the form: not enlarged",
         WM_DWMSENDICONICTHUMBNAIL,
         {full.cx * 2, full.cy * 3},
         full},
        {"the live preview: the form's own size", WM_DWMSENDICONICLIVEPREVIEWBITMAP, {}, full},
    };
    for (const bool shown : {false, true}) {
        form_.SetVisible(shown);
        for (const auto& c : requests) {
            SCOPED_TRACE(c.Name);
            SCOPED_TRACE(shown ? "shown" : "hidden, as while minimised");
            const int before = handed.Requests;
            SendMessageW(Application().Handle(), c.Request, 0, MAKELPARAM(c.Max.cy, c.Max.cx));
            ASSERT_EQ(handed.Requests, before + 1) << "nothing handed over";
            EXPECT_EQ(handed.Button, Application().Handle());
            EXPECT_EQ(handed.Shown, form_.Handle());
            EXPECT_EQ(handed.Request, c.Request);
            ASSERT_EQ(handed.BitsPerPixel, 32);
            EXPECT_EQ(handed.Size.cx, c.Expected.cx);
            EXPECT_EQ(handed.Size.cy, c.Expected.cy);
            const auto scaled = [&](POINT point) {
                return POINT{MulDiv(point.x, handed.Size.cx, full.cx),
                             MulDiv(point.y, handed.Size.cy, full.cy)};
            };
            EXPECT_EQ(handed.At(scaled(formPoint)), ColorToRGB(form_.Color()));
            EXPECT_EQ(handed.At(scaled(panelPoint)), ColorToRGB(clRed));
            // Opaque: the window manager takes a zero alpha for transparent.
            EXPECT_EQ(handed.Pixels.front() >> 24, 0xFFu);
        }
    }
    form_.SetVisible(false);
}

} // namespace
} // namespace velkaro::test
