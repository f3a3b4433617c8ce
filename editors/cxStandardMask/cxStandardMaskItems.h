#pragma once
// The positions of a standard edit mask. Only ASCII letters and digits count as letters and
// digits: national letters are accepted by the any-character positions alone.

namespace velkaro {

class TcxStandardMaskLiteralItem;
class TcxStandardMaskManyItem;

class TcxStandardMaskCustomItem {
public:
    virtual ~TcxStandardMaskCustomItem() = default;
    // Answers whether the position takes the character; may change its case in place.
    virtual bool Check(wchar_t& c) const = 0;
    // The kind of a position without a dynamic_cast: fitting asks it for every character.
    virtual const TcxStandardMaskLiteralItem* AsLiteral() const { return nullptr; }
    virtual const TcxStandardMaskManyItem* AsMany() const { return nullptr; }
    // Whether a blank or a space there is a character like any other, never an unfilled
    // position.
    virtual bool BlankIsContent() const { return false; }
};

class TcxStandardMaskLiteralItem final : public TcxStandardMaskCustomItem {
public:
    explicit TcxStandardMaskLiteralItem(wchar_t literal) : Literal(literal) {}
    bool Check(wchar_t& c) const override { return c == Literal; }
    const TcxStandardMaskLiteralItem* AsLiteral() const override { return this; }

    const wchar_t Literal;
};

enum class TcxStandardMaskCaseControl { Upper, Lower, None };

// A position the user fills.
class TcxStandardMaskManyItem : public TcxStandardMaskCustomItem {
public:
    TcxStandardMaskManyItem(TcxStandardMaskCaseControl caseControl, bool optional)
        : CaseControl(caseControl), Optional(optional) {}
    const TcxStandardMaskManyItem* AsMany() const override { return this; }

    const TcxStandardMaskCaseControl CaseControl;
    const bool Optional;

protected:
    // Converts even characters the position refuses: the conversion carries over to the next
    // positions a fitted character is offered to.
    void ApplyCaseControl(wchar_t& c) const;
};

class TcxStandardMaskAlphaItem final : public TcxStandardMaskManyItem {
public:
    using TcxStandardMaskManyItem::TcxStandardMaskManyItem;
    bool Check(wchar_t& c) const override;
};

class TcxStandardMaskAlphaNumericItem final : public TcxStandardMaskManyItem {
public:
    using TcxStandardMaskManyItem::TcxStandardMaskManyItem;
    bool Check(wchar_t& c) const override;
};

class TcxStandardMaskASCIIItem final : public TcxStandardMaskManyItem {
public:
    using TcxStandardMaskManyItem::TcxStandardMaskManyItem;
    bool Check(wchar_t& c) const override;
    bool BlankIsContent() const override { return true; }
};

class TcxStandardMaskNumericItem final : public TcxStandardMaskManyItem {
public:
    using TcxStandardMaskManyItem::TcxStandardMaskManyItem;
    bool Check(wchar_t& c) const override;
};

class TcxStandardMaskNumericSymbolItem final : public TcxStandardMaskManyItem {
public:
    using TcxStandardMaskManyItem::TcxStandardMaskManyItem;
    bool Check(wchar_t& c) const override;
};

} // namespace velkaro
