#pragma once
// Where an edit control places its text, and whether the horizontal placement was chosen
// explicitly (an unchosen one follows the edit's default).
#include "runtime/Alignment.h"

#include <functional>

namespace velkaro {

enum TcxEditVertAlignment { taTopJustify, taBottomJustify, taVCenter };

class TcxEditAlignment {
public:
    TAlignment Horz() const { return horz_; }
    // Marks the value explicit and announces it even when it is unchanged, so that a value
    // equal to the default is still stored.
    void SetHorz(TAlignment value);
    bool HorzExplicit() const { return horzExplicit_; }

    TcxEditVertAlignment Vert() const { return vert_; }
    void SetVert(TcxEditVertAlignment value);

    // Copies Horz, Vert and the explicit flag without announcing.
    void Assign(const TcxEditAlignment& source);
    // Overrides the horizontal value while leaving it not explicit.
    void SetDefaultHorz(TAlignment value) { horz_ = value; }

    bool IsHorzStored() const { return horzExplicit_; }
    bool IsVertStored() const { return vert_ != taTopJustify; }
    bool IsStored() const { return IsHorzStored() || IsVertStored(); }

    std::function<void()> OnChanged;

private:
    void Changed();

    TAlignment horz_ = taLeftJustify;
    bool horzExplicit_ = false;
    TcxEditVertAlignment vert_ = taTopJustify;
};

} // namespace velkaro
