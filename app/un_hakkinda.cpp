#include "app/un_hakkinda.h"

#include "framework/SystemLibrary.h"
#include "runtime/Exceptions.h"

namespace velkaro {

Tfr_hakkinda* fr_hakkinda = nullptr;

namespace {

// The shell library is large and only a link click needs it: loading it at start would make
// every start of the program slower.
HINSTANCE WINAPI ShellExecuteOnDemand(HWND window, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters,
                                      LPCWSTR directory, INT show) {
    static const auto execute =
        SystemFunction<decltype(&ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
    if (execute == nullptr) {
        throw Exception(L"The shell cannot be reached");
    }
    return execute(window, verb, file, parameters, directory, show);
}

} // namespace

decltype(&ShellExecuteW) HakkindaShellExecute = ShellExecuteOnDemand;

namespace {

constexpr wchar_t kMailAddress[] = L"ben@vk.example";
constexpr wchar_t kWebAddress[] = L"http://vk.example";

struct TLabelLayout {
    TLabel& Label;
    int Left, Top, Width, Height;
    const wchar_t* Caption;
};

// The hover handlers restyle the label that sent the event; any other sender is a wiring error,
// reported as such rather than followed through a bad pointer.
TFont& SenderLabelFont(TObject* sender) {
    auto* label = dynamic_cast<TLabel*>(sender);
    if (label == nullptr) {
        throw Exception(L"Invalid class typecast");
    }
    return label->Font();
}

} // namespace

Tfr_hakkinda::Tfr_hakkinda()
    : Panel1(this), Label1(&Panel1), Label2(&Panel1), Label3(&Panel1), Label4(&Panel1),
      Label5(&Panel1), Label6(&Panel1), Label7(&Panel1), BitBtn1(this) {
    SetCaption(L"Hakkında ...");
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetPosition(TFormPosition::poScreenCenter);
    SetColor(clBtnFace);
    Font().SetName(kDialogFontName);
    Font().SetHeight(11);
    Font().SetColor(clWindowText);
    // Designed at 96 pixels per inch and laid out at the monitor's, with fonts of the point size
    // the design's have: the texts keep to their labels at every scale.
    LayOutAtMonitorScale();
    SetClientSize(ScaleValue(279), ScaleValue(197));

    Panel1.SetDesignedBounds(4, 4, 272, 159);
    Panel1.SetBevelInner(TBevelCut::bvRaised);
    Panel1.SetBevelOuter(TBevelCut::bvLowered);

    const TLabelLayout labels[] = {
        {Label1, 16, 8, 243, 17, L"Velkaro 2'yi Velkaro ekibi yazdı."},
        {Label2, 16, 26, 243, 17, L"Program ücretsizdir, dilediğiniz gibi kullanın."},
        {Label3, 16, 48, 243, 33,
         L"NOT: İlla para vermek istiyorsanız beni internette bulabilirsiniz."},
        {Label4, 16, 80, 243, 17, L"Aktif olarak kullandığım elektronik posta adresim :"},
        {Label6, 88, 100, 93, 17, kMailAddress},
        {Label5, 16, 116, 243, 17, L"Web sitem :"},
        {Label7, 80, 132, 109, 17, kWebAddress},
    };
    for (const TLabelLayout& layout : labels) {
        layout.Label.SetDesignedBounds(layout.Left, layout.Top, layout.Width, layout.Height);
        layout.Label.SetCaption(layout.Caption);
        layout.Label.SetTransparent(true);
        layout.Label.SetWordWrap(true);
    }

    Label6.SetAlignment(TAlignment::taCenter);
    Label6.Font().SetName(kDialogFontName);
    Label6.Font().SetHeight(ScaledFontHeight(11, PixelsPerInch(), kDesignPixelsPerInch));
    Label6.Font().SetStyle(0);
    Label6.Font().SetColor(clWindowText);
    Label6.SetParentFont(false);
    for (TLabel* link : {&Label6, &Label7}) {
        link->SetCursor(LoadCursorW(nullptr, IDC_HAND));
        link->OnMouseEnter = [this](TObject* sender) { Label6MouseEnter(sender); };
        link->OnMouseLeave = [this](TObject* sender) { Label6MouseLeave(sender); };
    }
    Label6.OnClick = [this](TObject* sender) { Label6Click(sender); };
    Label7.OnClick = [this](TObject* sender) { Label7Click(sender); };

    BitBtn1.SetDesignedBounds(109, 168, 61, 25);
    BitBtn1.SetCaption(L"Tamam");
    BitBtn1.OnClick = [this](TObject* sender) { BitBtn1Click(sender); };
}

void Tfr_hakkinda::CreateParams(TCreateParams& params) {
    TForm::CreateParams(params);
    params.ClassName = L"Tfr_hakkinda";
}

void Tfr_hakkinda::Label6Click(TObject*) {
    const std::wstring mailLink = std::wstring(L"mailto:") + kMailAddress;
    HakkindaShellExecute(Handle(), L"OPEN", mailLink.c_str(), nullptr, nullptr, SW_SHOWMINIMIZED);
}

void Tfr_hakkinda::Label7Click(TObject*) {
    HakkindaShellExecute(Handle(), L"OPEN", kWebAddress, nullptr, nullptr, SW_SHOWMINIMIZED);
}

void Tfr_hakkinda::BitBtn1Click(TObject*) {
    Close();
}

void Tfr_hakkinda::Label6MouseEnter(TObject* sender) {
    TFont& font = SenderLabelFont(sender);
    font.SetStyle(fsUnderline);
    font.SetColor(clBlue);
}

void Tfr_hakkinda::Label6MouseLeave(TObject* sender) {
    TFont& font = SenderLabelFont(sender);
    font.SetStyle(0);
    font.SetColor(clBlack);
}

} // namespace velkaro
