#include "editors/cxEdit/cxContainer.h"
#include "runtime/ScopedRestore.h"

namespace velkaro {

TcxControl::TcxControl(TControl* parent) : TControl(parent) {
    lookAndFeel_.OnChanged = [this] { LookAndFeelChanged(); };
}

void TcxControl::SetParentColor(bool value) {
    if (parentColor_ != value) {
        parentColor_ = value;
        ParentColorChanged();
    }
}

void TcxControl::DblClick() {
    if (OnDblClick) {
        OnDblClick(this);
    }
}

TcxContainerStyle::TcxContainerStyle(TcxControl* owner) : owner_(owner) {
    font_.OnChange = [this] { FontChanged(); };
    ownLookAndFeel_.OnChanged = [this] { Changed(); };
}

TcxContainerStyle::~TcxContainerStyle() {
    font_.OnChange = nullptr;
}

void TcxContainerStyle::SetAssignedValues(TcxContainerStyleValues values) {
    if (assignedValues_ != values) {
        assignedValues_ = values;
        Changed();
    }
}

bool TcxContainerStyle::IsAssigned(TcxContainerStyleValue value) const {
    return (assignedValues_ & (1u << value)) != 0;
}

void TcxContainerStyle::SetMember(TcxContainerStyleValue value) {
    assignedValues_ |= 1u << value;
    Changed();
}

void TcxContainerStyle::Changed() {
    if (OnChanged) {
        OnChanged();
    }
}

TColor TcxContainerStyle::BorderColor() const {
    return Resolve(svBorderColor, borderColor_, &TcxContainerStyle::BorderColor, clNone);
}

void TcxContainerStyle::SetBorderColor(TColor value) {
    SetMember(svBorderColor, borderColor_, value);
}

int TcxContainerStyle::BorderStyleValue() const {
    return Resolve(svBorderStyle, borderStyle_, &TcxContainerStyle::BorderStyleValue,
                   DefaultBorderStyle());
}

void TcxContainerStyle::SetBorderStyleValue(int value) {
    SetMember(svBorderStyle, borderStyle_, value);
}

int TcxContainerStyle::DefaultBorderStyle() const {
    return cbs3D;
}

TcxContainerBorderStyle TcxContainerStyle::ContainerBorderStyle() const {
    return static_cast<TcxContainerBorderStyle>(BorderStyleValue());
}

void TcxContainerStyle::SetContainerBorderStyle(TcxContainerBorderStyle value) {
    SetBorderStyleValue(value);
}

TColor TcxContainerStyle::Color() const {
    if (owner_ != nullptr && owner_->ParentColor() && owner_->Parent() != nullptr) {
        return owner_->Parent()->Color();
    }
    return Resolve(svColor, color_, &TcxContainerStyle::Color, clWindow);
}

void TcxContainerStyle::SetColor(TColor value) {
    SetMember(svColor, color_, value);
}

TcxBorders TcxContainerStyle::Edges() const {
    return Resolve(svEdges, edges_, &TcxContainerStyle::Edges, cxBordersAll);
}

void TcxContainerStyle::SetEdges(TcxBorders value) {
    SetMember(svEdges, edges_, value);
}

// An unassigned font follows the controller's, else the parent's; the GDI font is made again
// only when the source really differs.
void TcxContainerStyle::SyncFont() const {
    if (IsAssigned(svFont)) {
        return;
    }
    const TFont* source = nullptr;
    if (TcxContainerStyle* controller = ControllerStyle()) {
        source = &controller->Font();
    } else if (owner_ != nullptr && owner_->Parent() != nullptr) {
        source = &owner_->Parent()->Font();
    }
    if (source != nullptr && (!font_.SameFace(*source) || font_.Color() != source->Color())) {
        const auto syncing = ScopedValue(syncingFont_, true);
        font_.Assign(*source);
    }
}

TFont& TcxContainerStyle::Font() {
    SyncFont();
    return font_;
}

void TcxContainerStyle::FontChanged() {
    if (syncingFont_) {
        return;
    }
    SetMember(svFont);
}

bool TcxContainerStyle::HotTrack() const {
    return Resolve(svHotTrack, hotTrack_, &TcxContainerStyle::HotTrack, true);
}

void TcxContainerStyle::SetHotTrack(bool value) {
    SetMember(svHotTrack, hotTrack_, value);
}

bool TcxContainerStyle::Shadow() const {
    return Resolve(svShadow, shadow_, &TcxContainerStyle::Shadow, false);
}

void TcxContainerStyle::SetShadow(bool value) {
    SetMember(svShadow, shadow_, value);
}

bool TcxContainerStyle::TransparentBorder() const {
    return Resolve(svTransparentBorder, transparentBorder_, &TcxContainerStyle::TransparentBorder,
                   true);
}

void TcxContainerStyle::SetTransparentBorder(bool value) {
    SetMember(svTransparentBorder, transparentBorder_, value);
}

TcxLookAndFeel& TcxContainerStyle::LookAndFeel() {
    return owner_ != nullptr ? owner_->LookAndFeel() : ownLookAndFeel_;
}

void TcxContainerStyle::Assign(const TcxContainerStyle& source) {
    if (&source == this) {
        return;
    }
    borderColor_ = source.borderColor_;
    borderStyle_ = source.borderStyle_;
    color_ = source.color_;
    edges_ = source.edges_;
    hotTrack_ = source.hotTrack_;
    shadow_ = source.shadow_;
    transparentBorder_ = source.transparentBorder_;
    if (source.IsAssigned(svFont)) {
        const auto syncing = ScopedValue(syncingFont_, true);
        font_.Assign(source.font_);
    }
    assignedValues_ = source.assignedValues_;
    Changed();
}

TcxContainer::TcxContainer(TControl* parent) : TcxControl(parent) {}

TcxContainer::~TcxContainer() = default;

std::unique_ptr<TcxContainerStyle> TcxContainer::CreateStyle() {
    return std::make_unique<TcxContainerStyle>(this);
}

TcxContainerStyle& TcxContainer::ContainerStyle() {
    if (!style_) {
        style_ = CreateStyle();
        style_->OnChanged = [this] { StyleChanged(); };
    }
    return *style_;
}

void TcxContainer::ChangeScale(int multiplier, int divisor) {
    if (style_ && style_->IsAssigned(svFont)) {
        TFont& font = style_->Font();
        font.SetHeight(MulDiv(font.Height(), multiplier, divisor));
    }
    TcxControl::ChangeScale(multiplier, divisor);
}

const TcxContainerStyle& TcxContainer::ContainerStyle() const {
    return const_cast<TcxContainer*>(this)->ContainerStyle();
}

void TcxContainer::StyleChanged() {
    Invalidate();
}

} // namespace velkaro
