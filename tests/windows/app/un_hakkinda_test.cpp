#include "app/un_hakkinda.h"
#include "runtime/Exceptions.h"
#include "tests/windows/support/WindowDriver.h"

#include <gtest/gtest.h>

#include <memory>

namespace velkaro::test {
namespace {

struct TShellRequest {
    HWND Owner;
    std::wstring Verb, File;
    const wchar_t* Parameters;
    const wchar_t* Directory;
    int Show;
};
std::vector<TShellRequest> shellRequests;

HINSTANCE WINAPI RecordShellRequest(HWND owner, const wchar_t* verb, const wchar_t* file,
                                    const wchar_t* parameters, const wchar_t* directory, int show) {
    shellRequests.push_back({owner, verb, file, parameters, directory, show});
    return reinterpret_cast<HINSTANCE>(42);
}

class HakkindaTest : public ::testing::Test {
protected:
    void SetUp() override {
        StartApplication();
        shellRequests.clear();
        shellExecute_ = HakkindaShellExecute;
        HakkindaShellExecute = RecordShellRequest;
        window_ = std::make_unique<Tfr_hakkinda>();
        window_->HandleNeeded();
    }
    void TearDown() override { HakkindaShellExecute = shellExecute_; }

    std::unique_ptr<Tfr_hakkinda> window_;
    decltype(HakkindaShellExecute) shellExecute_ = nullptr;
};

TEST_F(HakkindaTest, LayoutAndTexts) {
    EXPECT_EQ(TextOf(window_->Handle()), L"Hakkında ...");
    const RECT client = ClientBounds(window_->Handle());
    EXPECT_EQ(client.right, 279);
    EXPECT_EQ(client.bottom, 197);
    const struct {
        TControl& Control;
        RECT Bounds;
        std::wstring Text;
    } controls[] = {
        {window_->Panel1, {4, 4, 276, 163}, L""},
        {window_->Label3,
         {16, 48, 259, 81},
         L"NOT: İlla para vermek istiyorsanız beni internette bulabilirsiniz."},
        {window_->Label4,
         {16, 80, 259, 97},
         L"Aktif olarak kullandığım elektronik posta adresim :"},
        {window_->Label6, {88, 100, 181, 117}, L"ben@vk.example"},
        {window_->Label5, {16, 116, 259, 133}, L"Web sitem :"},
        {window_->Label7, {80, 132, 189, 149}, L"http://vk.example"},
        {window_->BitBtn1, {109, 168, 170, 193}, L"Tamam"},
    };
    for (const auto& c : controls) {
        const RECT bounds = BoundsInParent(c.Control.Handle());
        EXPECT_TRUE(EqualRect(&bounds, &c.Bounds)) << TextOf(c.Control.Handle()).size();
        EXPECT_EQ(TextOf(c.Control.Handle()), c.Text);
    }
    EXPECT_EQ(ChildrenOf(window_->Panel1.Handle(), L"TLabel").size(), 7u);
    EXPECT_EQ(ChildrenOf(window_->Handle(), L"TBitBtn").size(), 1u);
    EXPECT_EQ(window_->Panel1.BevelInner(), TBevelCut::bvRaised);
    EXPECT_EQ(window_->Panel1.BevelOuter(), TBevelCut::bvLowered);
    EXPECT_EQ(window_->Label6.Alignment(), TAlignment::taCenter);
    EXPECT_EQ(window_->Label7.Alignment(), TAlignment::taLeftJustify);
    EXPECT_EQ(window_->Label6.Cursor(), LoadCursorW(nullptr, IDC_HAND));
    for (TLabel* link : {&window_->Label6, &window_->Label7}) {
        EXPECT_LE(link->TextSize(0).cx, link->Width()) << "the whole address on one line";
    }
}

TEST_F(HakkindaTest, HoverTurnsLinksBlueAndUnderlinedAndLeavingTurnsThemBlack) {
    for (TLabel* link : {&window_->Label6, &window_->Label7}) {
        EXPECT_EQ(link->Font().Color(), clWindowText);
        SendMessageW(link->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
        EXPECT_EQ(link->Font().Color(), clBlue);
        EXPECT_EQ(link->Font().Style(), fsUnderline);
        SendMessageW(link->Handle(), WM_MOUSELEAVE, 0, 0);
        EXPECT_EQ(link->Font().Color(), clBlack);
        EXPECT_EQ(link->Font().Style(), 0);
    }
}

TEST_F(HakkindaTest, HoverHandlersRefuseASenderThatIsNoLabel) {
    TObject* const senders[] = {nullptr, &window_->BitBtn1, &window_->Panel1};
    for (TObject* sender : senders) {
        EXPECT_THROW(window_->Label6MouseEnter(sender), Exception);
        EXPECT_THROW(window_->Label6MouseLeave(sender), Exception);
    }
    EXPECT_EQ(window_->Panel1.Font().Style(), 0);
}

TEST_F(HakkindaTest, LinksAskTheShellToOpenTheirAddresses) {
    for (TLabel* link : {&window_->Label6, &window_->Label7}) {
        SendMessageW(link->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        SendMessageW(link->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    }
    ASSERT_EQ(shellRequests.size(), 2u);
    const std::wstring files[] = {L"mailto:ben@vk.example", L"http://vk.example"};
    for (std::size_t index = 0; index < 2; ++index) {
        const TShellRequest& request = shellRequests[index];
        EXPECT_EQ(request.Owner, window_->Handle());
        EXPECT_EQ(request.Verb, L"OPEN");
        EXPECT_EQ(request.File, files[index]);
        EXPECT_EQ(request.Parameters, nullptr);
        EXPECT_EQ(request.Directory, nullptr);
        EXPECT_EQ(request.Show, SW_SHOWMINIMIZED);
    }
}

TEST_F(HakkindaTest, TamamAndTheCloseBoxEndTheModalShowAndKeepTheWindow) {
    const std::function<void(HWND)> closers[] = {
        [this](HWND) { PostMessageW(window_->BitBtn1.Handle(), BM_CLICK, 0, 0); },
        [](HWND window) { PostMessageW(window, WM_CLOSE, 0, 0); },
        [this](HWND) { PostKey(window_->BitBtn1.Handle(), VK_SPACE); },
    };
    for (const auto& close : closers) {
        const TWindowAnswer answer(L"Tfr_hakkinda", close);
        EXPECT_EQ(window_->ShowModal(), mrCancel);
        EXPECT_TRUE(answer.Answered());
        EXPECT_TRUE(IsWindow(window_->Handle()));
        EXPECT_FALSE(IsWindowVisible(window_->Handle()));
    }
}

} // namespace
} // namespace velkaro::test
