#include "editors/cxContainer.h"

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
    if (IsAssigned(svBorderColor)) {
        return borderColor_;
    }
    const TcxContainerStyle* controller = ControllerStyle();
    return controller != nullptr ? controller->BorderColor() : clNone;
}

void TcxContainerStyle::SetBorderColor(TColor value) {
    borderColor_ = value;
    SetMember(svBorderColor);
}

int TcxContainerStyle::BorderStyleValue() const {
    if (IsAssigned(svBorderStyle)) {
        return borderStyle_;
    }
    const TcxContainerStyle* controller = ControllerStyle();
    return controller != nullptr ? controller->BorderStyleValue() : DefaultBorderStyle();
}

void TcxContainerStyle::SetBorderStyleValue(int value) {
    borderStyle_ = value;
    SetMember(svBorderStyle);
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
    if (IsAssigned(svColor)) {
        return color_;
    }
    const TcxContainerStyle* controller = ControllerStyle();
    return controller != nullptr ? controller->Color() : clWindow;
}

void TcxContainerStyle::SetColor(TColor value) {
    color_ = value;
    SetMember(svColor);
}

TcxBorders TcxContainerStyle::Edges() const {
    if (IsAssigned(svEdges)) {
        return edges_;
    }
    const TcxContainerStyle* controller = ControllerStyle();
    return controller != nullptr ? controller->Edges() : cxBordersAll;
}

void TcxContainerStyle::SetEdges(TcxBorders value) {
    edges_ = value;
    SetMember(svEdges);
}

void TcxContainerStyle::SyncFont() const {
    if (IsAssigned(svFont)) {
        return;
    }
    syncingFont_ = true;
    if (TcxContainerStyle* controller = ControllerStyle()) {
        font_.Assign(controller->Font());
    } else if (owner_ != nullptr && owner_->Parent() != nullptr) {
        font_.Assign(owner_->Parent()->Font());
    }
    syncingFont_ = false;
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
    if (IsAssigned(svHotTrack)) {
        return hotTrack_;
    }
    const TcxContainerStyle* controller = ControllerStyle();
    return controller != nullptr ? controller->HotTrack() : true;
}

void TcxContainerStyle::SetHotTrack(bool value) {
    hotTrack_ = value;
    SetMember(svHotTrack);
}

bool TcxContainerStyle::Shadow() const {
    if (IsAssigned(svShadow)) {
        return shadow_;
    }
    const TcxContainerStyle* controller = ControllerStyle();
    return controller != nullptr && controller->Shadow();
}

void TcxContainerStyle::SetShadow(bool value) {
    shadow_ = value;
    SetMember(svShadow);
}

bool TcxContainerStyle::TransparentBorder() const {
    if (IsAssigned(svTransparentBorder)) {
        return transparentBorder_;
    }
    const TcxContainerStyle* controller = ControllerStyle();
    return controller != nullptr ? controller->TransparentBorder() : true;
}

void TcxContainerStyle::SetTransparentBorder(bool value) {
    transparentBorder_ = value;
    SetMember(svTransparentBorder);
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
        syncingFont_ = true;
        font_.Assign(source.font_);
        syncingFont_ = false;
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

const TcxContainerStyle& TcxContainer::ContainerStyle() const {
    return const_cast<TcxContainer*>(this)->ContainerStyle();
}

void TcxContainer::StyleChanged() {
    Invalidate();
}

} // namespace velkaro
