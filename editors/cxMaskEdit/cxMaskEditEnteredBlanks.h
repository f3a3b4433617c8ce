#pragma once
// What a masked field knows of its text that the text cannot tell: which of its blanks were
// entered as characters (a "0" typed where the blank is "0") rather than left as the mark of an
// unfilled position. The field sees every change it makes itself and remembers the blanks of the
// texts it showed last.
#include "editors/cxStandardMask/cxStandardMask.h"

#include <string>
#include <utility>

namespace velkaro {

class TcxMaskEditEnteredBlanks {
public:
    // The entered blanks of a text: those remembered for the text shown last, or for the one
    // before it (a refused paste or an undo brings that back). A text the field did not make
    // itself (a change it cannot follow, as the clear message) has none: a blank it cannot
    // account for is never taken for a character.
    const TcxEnteredBlanks& Of(const std::wstring& text) const {
        if (text == last_.Text) {
            return last_.Entered;
        }
        if (text == previous_.Text) {
            return previous_.Entered;
        }
        return none_;
    }

    void Remember(const std::wstring& text, TcxEnteredBlanks entered) {
        if (text != last_.Text) {
            previous_ = std::move(last_);
            last_.Text = text;
        }
        last_.Entered = std::move(entered);
    }

    // A new mask: the positions are not those the blanks were entered in.
    void Forget() { *this = {}; }

private:
    struct TRecord {
        std::wstring Text;
        TcxEnteredBlanks Entered;
    };
    TRecord last_;
    TRecord previous_;
    TcxEnteredBlanks none_;
};

} // namespace velkaro
