// The value rules of every edit without a window: the model runs on a text edit in miniature, whose
// text and focus are plain fields, and whose conversions are the text edit's (its value is its
// text).
#include "editors/cxEdit/cxEditDataBinding.h"
#include "editors/cxEdit/cxEditValue.h"
#include "editors/cxTextEdit/cxTextEditProperties.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace velkaro {
namespace {

using TLog = std::vector<std::string>;

// The text edit's answers, or the core's (a kind such as the label, whose change of text is also
// a change of value).
class StandInProperties : public TcxTextEditProperties {
public:
    bool ComparesEditValues() const override { return !coreAnswers; }
    bool ChangeFollowsText() const override { return !coreAnswers; }
    bool coreAnswers = false;
};

class TextStandIn : public TObject, public IcxEditValueSource, public IcxEditValueText {
public:
    TextStandIn() {
        // OnChange names the text and the value it sees.
        properties.OnChange = [this](TObject*) {
            log.push_back("change " + Narrow(text) + "/" + Narrow(value.EditValue().ToString()));
        };
        properties.OnEditValueChanged = [this](TObject*) {
            log.push_back("value " + Narrow(value.EditValue().ToString()));
        };
    }

    // The user types: the text as the inner edit would hold it afterwards.
    void Type(const std::wstring& typed) {
        const auto byUser = value.UserChange();
        SetDisplayValue(Variant(typed));
    }
    // The focus arrives or leaves; the window's part is only the focus itself.
    void Focus() {
        focused = true;
        value.Enter([this] { log.push_back(value.TextModified() ? "enter modified" : "enter"); });
    }
    TcxInputVerdict Blur() {
        focused = false;
        const TcxInputVerdict verdict = value.Leave([this] { log.push_back("display form"); });
        if (!verdict.IsValid()) {
            focused = true; // the window takes the focus back
            return verdict;
        }
        log.push_back(value.TextModified() ? "exit modified" : "exit");
        value.Left();
        return verdict;
    }

    Variant MakeEditValue(const Variant& DisplayValue, bool) override { return DisplayValue; }
    bool InEditForm() const override { return focused; }
    std::wstring GetDisplayText() const override { return text; }
    // As the inner edit: a change of text is announced, one to the same text is none.
    void SetDisplayValue(const Variant& displayValue) override {
        if (displayValue.ToString() == text) {
            return;
        }
        text = displayValue.ToString();
        value.TextChanged(focused);
    }
    void StoreDisplayValue(const Variant& DisplayValue) override {
        SetDisplayValue(DisplayValue);
        if (value.ChangeByUser()) {
            return;
        }
        const Variant old = value.EditValue();
        value.StoreEditValue(MakeEditValue(Variant(text), focused));
        value.MarkSetByCode();
        if (!(old == value.EditValue())) {
            value.FireEditValueChanged();
        }
    }
    void RefreshDisplayFromValue() override {
        const TcxModifiedStateSave saved(value.State());
        SetDisplayValue(properties.MakeDisplayValue(value.EditValue(), focused));
    }
    void SelectAllText() override { log.push_back("select all"); }
    bool AllowsEditing() const override { return !properties.LookupOnly(); }
    bool EditingPermitted() override {
        log.push_back("editing?");
        return onEditing();
    }

    static std::string Narrow(const std::wstring& text) { return {text.begin(), text.end()}; }

    StandInProperties properties;
    std::wstring text;
    bool focused = false;
    std::function<bool()> onEditing = [] { return true; };
    TLog log;
    TcxEditValue value{*this, *this, [this]() -> TcxCustomEditProperties& { return properties; }};
};

// A value source that keeps what is posted, or refuses it.
class KeepingBinding : public TcxEditDataBinding {
public:
    using TcxEditDataBinding::TcxEditDataBinding;
    void StoreValue(const Variant& value) override {
        posted.push_back(Value().IsPosting() ? value : Variant(L"posted unflagged"));
        if (refuse) {
            throw std::runtime_error("refused");
        }
    }
    // The source holds a change of its own (a stand-alone edit's is its typed text).
    bool Modified() const override { return modified || TcxEditDataBinding::Modified(); }
    bool refuse = false;
    bool modified = false;
    std::vector<Variant> posted;
};

struct EventCase {
    const char* name;
    std::function<void(TextStandIn&)> act;
    TLog fired;
};

TEST(EditValueTest, ChangeEventsFireInOrderOrOnceWhenHeldBack) {
    const EventCase cases[] = {
        {"a value by code: its text, then its value",
         [](TextStandIn& e) { e.value.SetEditValue(Variant(L"ab")); },
         {"change ab/ab", "value ab"}},
        {"the same value again: nothing",
         [](TextStandIn& e) {
             e.value.SetEditValue(Variant(L"ab"));
             e.log.clear();
             e.value.SetEditValue(Variant(L"ab"));
         },
         {}},
        {"a string over the same number: the value only",
         [](TextStandIn& e) {
             e.value.SetEditValue(Variant(5));
             e.log.clear();
             e.value.SetEditValue(Variant(L"5"));
         },
         {"value 5"}},
        {"typing: the text only",
         [](TextStandIn& e) {
             e.Focus();
             e.log.clear();
             e.Type(L"x");
         },
         {"change x/"}},
        {"held back: once each when the outermost lock goes, the change first",
         [](TextStandIn& e) {
             {
                 const TcxChangeEventsLock outer(e.value);
                 {
                     const TcxChangeEventsLock inner(e.value);
                     e.value.SetEditValue(Variant(L"a"));
                     e.value.SetEditValue(Variant(L"b"));
                 }
                 e.log.push_back("inner released");
             }
         },
         {"inner released", "change b/b", "value b"}},
        {"held back and failing: they fire as the error passes",
         [](TextStandIn& e) {
             try {
                 const TcxChangeEventsLock lock(e.value);
                 e.value.SetEditValue(Variant(L"a"));
                 throw std::runtime_error("failed");
             } catch (const std::runtime_error&) {
                 e.log.push_back("caught");
             }
         },
         {"change a/a", "value a", "caught"}},
        {"Enter's check: the events after the commit, with the value OnValidate made",
         [](TextStandIn& e) {
             e.properties.OnValidate = [](TObject*, Variant& display, std::wstring&, bool&) {
                 display = Variant(L"AB");
             };
             e.Focus();
             e.Type(L"ab");
             e.log.clear();
             EXPECT_TRUE(e.value.ValidateAndPost().IsValid());
         },
         {"change AB/AB", "value AB"}},
        {"the clear key where OnEditing refuses: asked, nothing changes",
         [](TextStandIn& e) {
             e.value.SetEditValue(Variant(L"ab"));
             e.onEditing = [] { return false; };
             e.log.clear();
             const auto byUser = e.value.UserChange();
             e.value.SetEditValue(Variant());
         },
         {"editing?"}},
        {"the clear key: asked again before the write, which the check itself may not make",
         [](TextStandIn& e) {
             e.value.SetEditValue(Variant(L"ab"));
             e.onEditing = [&e] {
                 e.value.SetEditValue(Variant(L"zz"));
                 return true;
             };
             e.log.clear();
             const auto byUser = e.value.UserChange();
             e.value.SetEditValue(Variant());
         },
         {"editing?", "editing?", "change /", "value "}},
        {"a kind that compares no values: a value by code is a change of text and of value, once",
         [](TextStandIn& e) {
             e.properties.coreAnswers = true;
             e.value.SetEditValue(Variant(L"ab"));
         },
         {"change ab/ab", "value ab"}},
        {"a kind that compares no values: typing changes the value too",
         [](TextStandIn& e) {
             e.properties.coreAnswers = true;
             e.Focus();
             e.log.clear();
             e.Type(L"x");
         },
         {"change x/", "value "}},
        {"a read-only edit: OnEditing is not asked",
         [](TextStandIn& e) {
             e.properties.SetReadOnly(true);
             const auto byUser = e.value.UserChange();
             e.value.SetEditValue(Variant(L"x"));
         },
         {}},
    };
    for (const EventCase& c : cases) {
        TextStandIn edit;
        c.act(edit);
        EXPECT_EQ(edit.log, c.fired) << c.name;
    }
}

struct VerdictCase {
    const char* name;
    std::function<void(TextStandIn&)> prepare;
    bool byUser; // the check runs as a change of the user's
    TcxInputVerdict::TKind kind;
    std::wstring errorText;
    Variant value;     // after the check
    bool textModified; // after the check
    bool inputChecked; // after the check
    int validated;     // how often OnValidate ran in the check
};

void Typed(TextStandIn& edit, const std::wstring& text) {
    edit.Focus();
    edit.Type(text);
}

TEST(EditValueTest, ValidationAnswersWithAVerdictAndCommitsOnlyValidText) {
    auto invalid = [](const wchar_t* message) {
        return [message](TextStandIn& e) {
            Typed(e, L"bad");
            e.properties.OnValidate = [message](TObject*, Variant&, std::wstring& text,
                                                bool& error) {
                if (message != nullptr) {
                    text = message;
                }
                error = true;
            };
        };
    };
    const VerdictCase cases[] = {
        {"text never typed is not checked", [](TextStandIn& e) { e.Focus(); }, false,
         TcxInputVerdict::Valid, L"", Variant(L"start"), false, false, 0},
        {"valid typed text is committed and, focused, still modified",
         [](TextStandIn& e) { Typed(e, L"new"); }, false, TcxInputVerdict::Valid, L"",
         Variant(L"new"), true, true, 1},
        {"valid typed text checked after the focus left is no longer modified",
         [](TextStandIn& e) {
             Typed(e, L"new");
             e.focused = false;
         },
         false, TcxInputVerdict::Valid, L"", Variant(L"new"), false, true, 1},
        {"invalid with the handler's message", invalid(L"no"), false, TcxInputVerdict::Invalid,
         L"no", Variant(L"start"), true, false, 1},
        {"invalid without a message of the handler's: the core's", invalid(nullptr), false,
         TcxInputVerdict::Invalid, L"Invalid input value. Use escape key to abandon changes",
         Variant(L"start"), true, false, 1},
        {"refused by a handler that clears the message", invalid(L""), false,
         TcxInputVerdict::Refused, L"", Variant(L"start"), true, false, 1},
        {"text checked once is not checked again",
         [](TextStandIn& e) {
             Typed(e, L"new");
             e.value.CheckInput();
         },
         false, TcxInputVerdict::Valid, L"", Variant(L"new"), true, true, 0},
        {"a change of the user's in an edit that cannot be edited: valid, not committed",
         [](TextStandIn& e) {
             Typed(e, L"new");
             e.properties.SetLookupOnly(true);
         },
         true, TcxInputVerdict::Valid, L"", Variant(L"start"), true, true, 1},
    };
    for (const VerdictCase& c : cases) {
        TextStandIn edit;
        edit.value.SetEditValue(Variant(L"start"));
        c.prepare(edit);
        int validated = 0;
        const TcxEditValidateEvent handler = edit.properties.OnValidate;
        edit.properties.OnValidate = [&](TObject* sender, Variant& display, std::wstring& text,
                                         bool& error) {
            ++validated;
            EXPECT_EQ(sender, &edit);
            if (handler) {
                handler(sender, display, text, error);
            }
        };
        const TcxInputVerdict verdict = [&] {
            if (!c.byUser) {
                return edit.value.CheckInput();
            }
            const auto byUser = edit.value.UserChange();
            return edit.value.CheckInput();
        }();
        EXPECT_EQ(verdict.Kind, c.kind) << c.name;
        EXPECT_EQ(verdict.ErrorText, c.errorText) << c.name;
        EXPECT_EQ(edit.value.EditValue(), c.value) << c.name;
        EXPECT_EQ(edit.value.TextModified(), c.textModified) << c.name;
        EXPECT_EQ(edit.value.InputChecked(), c.inputChecked) << c.name;
        EXPECT_EQ(validated, c.validated) << c.name;
    }
}

struct PostCase {
    const char* name;
    std::function<TcxInputVerdict(TextStandIn&)> act;
    TcxInputVerdict::TKind kind;
    std::vector<Variant> posted;
    Variant value;
    std::wstring text;
    TLog fired; // from the act on
};

TEST(EditValueTest, PostingFollowsACommitAndEscapeReturnsToTheValueAtEnter) {
    auto typed = [](TextStandIn& e, const std::wstring& text) {
        Typed(e, text);
        e.log.clear();
    };
    const PostCase cases[] = {
        {"Enter with valid typed text posts the committed value",
         [&](TextStandIn& e) {
             typed(e, L"new");
             return e.value.ValidateAndPost();
         },
         TcxInputVerdict::Valid,
         {Variant(L"new")},
         Variant(L"new"),
         L"new",
         {"value new"}},
        {"Enter with nothing typed posts nothing",
         [&](TextStandIn& e) {
             e.Focus();
             e.log.clear();
             return e.value.ValidateAndPost();
         },
         TcxInputVerdict::Valid,
         {},
         Variant(L"start"),
         L"start",
         {}},
        {"Enter with invalid text posts nothing",
         [&](TextStandIn& e) {
             typed(e, L"bad");
             e.properties.OnValidate = [](TObject*, Variant&, std::wstring&, bool& error) {
                 error = true;
             };
             return e.value.ValidateAndPost();
         },
         TcxInputVerdict::Invalid,
         {},
         Variant(L"start"),
         L"bad",
         {}},
        {"a source that refuses: the verdict carries its error, the events still fire",
         [&](TextStandIn& e) {
             typed(e, L"new");
             static_cast<KeepingBinding&>(e.value.DataBinding()).refuse = true;
             return e.value.ValidateAndPost();
         },
         TcxInputVerdict::PostRefused,
         {Variant(L"new")},
         Variant(L"new"),
         L"new",
         {"value new"}},
        {"Escape after typing: the value at enter shown, all selected",
         [&](TextStandIn& e) {
             typed(e, L"x");
             return e.value.RevertToValueAtEnter();
         },
         TcxInputVerdict::Valid,
         {},
         Variant(L"start"),
         L"start",
         {"select all", "change start/start"}},
        {"Escape after Enter: back to the value on entry, not the one committed",
         [&](TextStandIn& e) {
             typed(e, L"x");
             e.value.ValidateAndPost();
             e.log.clear();
             return e.value.RevertToValueAtEnter();
         },
         TcxInputVerdict::Valid,
         {Variant(L"x")},
         Variant(L"start"),
         L"start",
         {"select all", "change start/start", "value start"}},
        {"Escape before any typing: nothing",
         [&](TextStandIn& e) {
             e.Focus();
             e.log.clear();
             return e.value.RevertToValueAtEnter();
         },
         TcxInputVerdict::Valid,
         {},
         Variant(L"start"),
         L"start",
         {}},
        {"Escape with ImmediatePost posts the value returned to",
         [&](TextStandIn& e) {
             e.properties.SetImmediatePost(true);
             typed(e, L"x");
             static_cast<KeepingBinding&>(e.value.DataBinding()).modified = true;
             return e.value.RevertToValueAtEnter();
         },
         TcxInputVerdict::Valid,
         {Variant(L"start")},
         Variant(L"start"),
         L"start",
         {"select all", "change start/start"}},
        {"Escape in an edit that cannot return: nothing",
         [&](TextStandIn& e) {
             e.properties.SetLookupOnly(true);
             typed(e, L"x");
             return e.value.RevertToValueAtEnter();
         },
         TcxInputVerdict::Valid,
         {},
         Variant(L"start"),
         L"x",
         {}},
    };
    for (const PostCase& c : cases) {
        TextStandIn edit;
        edit.value.SetDataBinding(std::make_unique<KeepingBinding>(edit.value));
        edit.value.SetEditValue(Variant(L"start"));
        edit.log.clear();
        const TcxInputVerdict verdict = c.act(edit);
        EXPECT_EQ(verdict.Kind, c.kind) << c.name;
        EXPECT_EQ(verdict.PostError != nullptr, c.kind == TcxInputVerdict::PostRefused) << c.name;
        EXPECT_EQ(static_cast<KeepingBinding&>(edit.value.DataBinding()).posted, c.posted)
            << c.name;
        EXPECT_EQ(edit.value.EditValue(), c.value) << c.name;
        EXPECT_EQ(edit.text, c.text) << c.name;
        EXPECT_EQ(edit.log, c.fired) << c.name;
        EXPECT_FALSE(edit.value.IsPosting()) << c.name;
        EXPECT_EQ(edit.value.ChangeEvents().LockCount(), 0) << c.name;
    }
}

TEST(EditValueTest, EscapeLeavesTheSpanEditingAndUnmodified) {
    TextStandIn edit;
    edit.value.SetEditValue(Variant(L"start"));
    Typed(edit, L"x");
    edit.value.RevertToValueAtEnter();
    EXPECT_TRUE(edit.value.EditingActive());
    EXPECT_FALSE(edit.value.TextModified());
    // So the following exit does not validate.
    int validated = 0;
    edit.properties.OnValidate = [&](TObject*, Variant&, std::wstring&, bool&) { ++validated; };
    EXPECT_TRUE(edit.Blur().IsValid());
    EXPECT_EQ(validated, 0);
}

struct FocusCase {
    const char* name;
    std::function<TcxInputVerdict(TextStandIn&)> act;
    TcxInputVerdict::TKind kind;
    TLog fired;
    Variant value;
    Variant valueAtEnter;
    bool textModified;
};

TEST(EditValueTest, GainingAndLosingTheFocus) {
    auto bad = [](TextStandIn& e, const wchar_t* message) {
        e.properties.OnValidate = [message](TObject*, Variant&, std::wstring& text, bool& error) {
            text = message;
            error = true;
        };
    };
    // Types the text, with OnValidate refusing it when a message is given, and leaves.
    auto leaves = [&bad](const wchar_t* typed, const wchar_t* message) {
        return [&bad, typed, message](TextStandIn& e) {
            Typed(e, typed);
            if (message != nullptr) {
                bad(e, message);
            }
            return e.Blur();
        };
    };
    const FocusCase cases[] = {
        {"entering keeps the value for Escape",
         [](TextStandIn& e) {
             e.Focus();
             return TcxInputVerdict{};
         },
         TcxInputVerdict::Valid,
         {"enter"},
         Variant(L"start"),
         Variant(L"start"),
         false},
        {"entering: OnEnter sees the span as it was, unmodified after",
         [](TextStandIn& e) {
             e.value.MarkModified();
             e.Focus();
             return TcxInputVerdict{};
         },
         TcxInputVerdict::Valid,
         {"enter modified"},
         Variant(L"start"),
         Variant(L"start"),
         false},
        {"entering an edit that cannot return keeps no value for it",
         [](TextStandIn& e) {
             e.properties.SetLookupOnly(true);
             e.Focus();
             return TcxInputVerdict{};
         },
         TcxInputVerdict::Valid,
         {"enter"},
         Variant(L"start"),
         Variant(),
         false},
        {"leaving untouched: shown in display form, exit",
         [](TextStandIn& e) {
             e.Focus();
             return e.Blur();
         },
         TcxInputVerdict::Valid,
         {"enter", "display form", "exit"},
         Variant(L"start"),
         Variant(L"start"),
         false},
        {"leaving valid typed text: committed, then OnExit sees it modified",
         leaves(L"new", nullptr),
         TcxInputVerdict::Valid,
         {"enter", "change new/start", "value new", "display form", "exit modified"},
         Variant(L"new"),
         Variant(L"start"),
         false},
        {"leaving invalid text: no display form, no exit, still modified",
         leaves(L"bad", L"no"),
         TcxInputVerdict::Invalid,
         {"enter", "change bad/start"},
         Variant(L"start"),
         Variant(L"start"),
         true},
        {"leaving text a handler refuses without a message: no exit either",
         leaves(L"bad", L""),
         TcxInputVerdict::Refused,
         {"enter", "change bad/start"},
         Variant(L"start"),
         Variant(L"start"),
         true},
        {"leaving text checked on Enter: not checked again",
         [&](TextStandIn& e) {
             Typed(e, L"new");
             e.value.ValidateAndPost();
             bad(e, L"no");
             return e.Blur();
         },
         TcxInputVerdict::Valid,
         {"enter", "change new/start", "value new", "display form", "exit modified"},
         Variant(L"new"),
         Variant(L"start"),
         false},
    };
    for (const FocusCase& c : cases) {
        TextStandIn edit;
        edit.value.SetEditValue(Variant(L"start"));
        edit.log.clear();
        const TcxInputVerdict verdict = c.act(edit);
        EXPECT_EQ(verdict.Kind, c.kind) << c.name;
        EXPECT_EQ(edit.log, c.fired) << c.name;
        EXPECT_EQ(edit.value.EditValue(), c.value) << c.name;
        EXPECT_EQ(edit.value.ValueAtEnter(), c.valueAtEnter) << c.name;
        EXPECT_EQ(edit.value.TextModified(), c.textModified) << c.name;
        EXPECT_EQ(edit.value.State().ModifiedStateDepth(), 0) << c.name;
    }
}

} // namespace
} // namespace velkaro
