// Handlers that open real modal windows (a form shown modally, the error report's message box)
// while the focus moves between edits, each closed by a key posted from inside its own loop.
#include "editors/cxRadioGroup/cxRadioGroup.h"
#include "framework/Buttons.h"
#include "framework/Label.h"
#include "runtime/Exceptions.h"
#include "tests/windows/support/ApplicationTest.h"
#include "tests/windows/support/EditTestForm.h"
#include "tests/windows/support/ModalWatch.h"
#include "tests/windows/support/RealInput.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>

namespace velkaro::test {
namespace {

using ModalLoopTest = SystemErrorBoxTest;

const std::vector<std::wstring> kModalForms = {L"#32770", L"TForm"};

// A small form the operator closes with Enter on its default button; what the operator does
// while it is up runs as it shows.
void ShowModalForm(const std::function<void()>& whileShown = {}) {
    TForm dialog;
    if (whileShown) {
        dialog.OnShow = [whileShown](TObject*) { whileShown(); };
    }
    dialog.SetClientSize(120, 60);
    TButton ok(&dialog);
    ok.SetBounds(20, 15, 75, 25);
    ok.SetDefault(true);
    ok.SetModalResult(mrOk);
    dialog.ShowModal();
}

enum class TMove { Tab, Click };

const char* NameOf(TMove move) {
    return move == TMove::Tab ? "Tab" : "click";
}

// Moves the focus from the first edit to the second as the operator does.
void MoveToSecond(TEditForm& form, TMove move) {
    if (move == TMove::Tab) {
        PressKey(VK_TAB);
    } else {
        ClickAt(form.Edit(1).Handle(), 20, 10);
    }
    Pump();
}

// The enters ('+') and exits ('-') of the form's edits, in order, as "0-1+".
std::string& LogFocus(TEditForm& form, std::string& log) {
    for (int index = 0; index < static_cast<int>(form.Edits.size()); ++index) {
        const char digit = static_cast<char>('0' + index);
        form.Edit(index).OnEnter = [&log, digit](TObject*) { log += {digit, '+'}; };
        form.Edit(index).OnExit = [&log, digit](TObject*) { log += {digit, '-'}; };
    }
    return log;
}

// Runs the handler after the edit's own logging.
void Then(TNotifyEvent& event, std::function<void()> handler) {
    event = [before = event, handler](TObject* sender) {
        if (before) {
            before(sender);
        }
        handler();
    };
}

// Each edit entered and left in turn, at most once each for the one move the operator made, and
// the focus on a visible window of the edit the log leaves entered (the first when it never left).
void ExpectOneMove(TEditForm& form, const std::string& log) {
    const HWND focus = GetFocus();
    ASSERT_NE(focus, nullptr);
    EXPECT_TRUE(IsWindowVisible(focus)) << "the focus is on a hidden window";
    for (int index = 0; index < 2; ++index) {
        const char digit = static_cast<char>('0' + index);
        std::string own;
        for (std::size_t at = 0; at < log.size(); at += 2) {
            if (log[at] == digit) {
                own += log[at + 1];
            }
        }
        const std::string expected = index == 0 ? "-+" : "+-";
        EXPECT_EQ(own, expected.substr(0, own.size())) << "edit " << index << " in " << log;
        const bool entered = index == 0 ? own.size() % 2 == 0 : own.size() % 2 == 1;
        EXPECT_EQ(HasFocus(form.Edit(index)), entered) << "edit " << index << " in " << log;
    }
    EXPECT_EQ(GetCapture(), nullptr);
}

// The operator types into the first edit and moves on to the second, by Tab and by a click, on
// a fresh form each time. The arrangement sets handlers that act only while armed, which the
// move is; the watch has seen the modal windows of the move.
void ExpectEachMove(const std::string& name,
                    const std::function<void(TEditForm&, bool& armed)>& arrange,
                    const std::function<void(const TModalWatch&)>& expect) {
    for (const TMove move : {TMove::Tab, TMove::Click}) {
        SCOPED_TRACE(name + " on " + NameOf(move));
        TEditForm form;
        form.Show();
        std::string log;
        LogFocus(form, log);
        bool armed = false;
        arrange(form, armed);
        TypeText(L"abc");
        const TModalWatch watch(kModalForms);
        armed = true;
        MoveToSecond(form, move);
        expect(watch);
        ExpectOneMove(form, log);
    }
}

enum class THandler { Exit, Enter, Change, Validate };

TEST_F(ModalLoopTest, AModalFormOpenedWhileTheFocusMovesLetsEachEditEnterAndLeaveOnce) {
    const struct {
        const char* name;
        THandler handler;
    } cases[] = {{"OnExit of the edit left", THandler::Exit},
                 {"OnEnter of the edit entered", THandler::Enter},
                 {"OnChange of the edit left", THandler::Change},
                 {"OnValidate of the edit left", THandler::Validate}};
    for (const auto& c : cases) {
        const auto arrange = [&c](TEditForm& form, bool& armed) {
            const auto openOnce = [&armed] {
                if (std::exchange(armed, false)) {
                    ShowModalForm();
                }
            };
            TcxTextEditProperties& left = form.Edit(0).Properties();
            // The leave commits the text with a mark, which changes it.
            left.OnValidate = [&c, openOnce](TObject*, Variant& display, std::wstring&, bool&) {
                display = Variant(display.ToString() + L"!");
                if (c.handler == THandler::Validate) {
                    openOnce();
                }
            };
            if (c.handler == THandler::Exit) {
                Then(form.Edit(0).OnExit, openOnce);
            } else if (c.handler == THandler::Enter) {
                Then(form.Edit(1).OnEnter, openOnce);
            } else if (c.handler == THandler::Change) {
                left.OnChange = [openOnce](TObject*) { openOnce(); };
            }
        };
        ExpectEachMove(c.name, arrange, [](const TModalWatch& watch) {
            ASSERT_EQ(watch.Shown().size(), 1u) << "no modal form, or an error reported";
            EXPECT_EQ(watch.Shown()[0].ClassName, L"TForm");
        });
    }
}

TEST_F(ModalLoopTest, AnErrorInAFocusHandlerIsReportedOnceAfterTheMove) {
    enum class TThrower { LeftFocusChanged, LeftExit, EnteredFocusChanged };
    const struct {
        const char* name;
        TThrower thrower;
    } cases[] = {{"OnFocusChanged of the edit left", TThrower::LeftFocusChanged},
                 {"OnExit of the edit left", TThrower::LeftExit},
                 {"OnFocusChanged of the edit entered", TThrower::EnteredFocusChanged}};
    for (const auto& c : cases) {
        const auto arrange = [&c](TEditForm& form, bool& armed) {
            const auto throwOnce = [&armed] {
                if (std::exchange(armed, false)) {
                    throw Exception(L"The handler failed");
                }
            };
            if (c.thrower == TThrower::LeftExit) {
                Then(form.Edit(0).OnExit, throwOnce);
            } else {
                form.Edit(c.thrower == TThrower::LeftFocusChanged ? 0 : 1).OnFocusChanged =
                    [throwOnce](TObject*) { throwOnce(); };
            }
        };
        ExpectEachMove(c.name, arrange, [](const TModalWatch& watch) {
            ASSERT_EQ(watch.Texts(), std::vector<std::wstring>{L"The handler failed."});
            EXPECT_FALSE(watch.Shown()[0].DuringFocusMessage)
                << "reported from inside WM_SETFOCUS or WM_KILLFOCUS";
        });
    }
}

// A press into an edit whose focus move ran a modal window is over: the operator let the button go
// while the window was up, so the edit must not take the mouse afterwards. Pressed on a centred
// edit's painted text, whose inner edit then takes the focus.
TEST_F(ModalLoopTest, APressWhoseFocusMoveRanAModalWindowIsOver) {
    for (const bool onExit : {true, false}) {
        SCOPED_TRACE(onExit ? "OnExit of the edit left" : "OnEnter of the edit entered");
        TEditForm form;
        form.Edit(1).Properties().Alignment().SetHorz(taCenter);
        bool armed = true;
        (onExit ? form.Edit(0).OnExit : form.Edit(1).OnEnter) = [&armed](TObject*) {
            if (std::exchange(armed, false)) {
                ShowModalForm(ReleaseLeftButton);
            }
        };
        form.Show();
        const TModalWatch watch(kModalForms);
        MovePointer(form.Edit(1).Handle(), 20, 10);
        PressLeftButton();
        Pump();
        ASSERT_EQ(watch.Shown().size(), 1u);
        EXPECT_EQ(GetCapture(), nullptr) << "the edit took the mouse after the window closed";
        QueueClickAt(form.Edit(0).Handle(), 20, 10);
        Pump();
        EXPECT_TRUE(HasFocus(form.Edit(0))) << "the next click was swallowed";
    }
}

// Code that moves the focus away from invalid text ends there: the edit's report comes once
// the move is settled, and the rest of the handler does not run.
TEST_F(ModalLoopTest, AMoveRefusedByInvalidTextEndsTheHandlerThatAskedForIt) {
    const struct {
        const char* name;
        std::function<void(TEditForm&)> move;
    } cases[] = {
        {"SetFocus", [](TEditForm& form) { form.Edit(1).SetFocus(); }},
        {"the active control", [](TEditForm& form) { form.Form.SetActiveControl(&form.Edit(1)); }},
        {"the next tab stop", [](TEditForm& form) { form.Form.SelectNext(&form.Edit(0), true); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TBeepCounter beeps;
        TEditForm form;
        TLabel label(&form.Form);
        label.SetBounds(170, 10, 100, 20);
        TcxTextEditProperties& properties = form.Edit(0).Properties();
        properties.SetBeepOnError(true);
        properties.OnValidate = [](TObject*, Variant&, std::wstring& errorText, bool& error) {
            error = true;
            errorText = L"Not a value";
        };
        form.Edit(0).OnKeyPress = [&](TObject*, wchar_t& key) {
            if (key == L'\r') {
                c.move(form);
                label.SetCaption(L"written");
            }
        };
        form.Show();
        TypeText(L"abc");
        const TModalWatch watch;
        PressKey(VK_RETURN);
        Pump();
        EXPECT_EQ(label.Caption(), L"");
        ASSERT_EQ(watch.Texts(), std::vector<std::wstring>{L"Not a value."});
        EXPECT_FALSE(watch.Shown()[0].DuringFocusMessage)
            << "reported from inside WM_SETFOCUS or WM_KILLFOCUS";
        EXPECT_EQ(beeps.Count(), 1);
        EXPECT_TRUE(HasFocus(form.Edit(0)));
    }
}

// A press on a native button whose focus handlers fail leaves nothing behind: the error is
// reported once after it, no window holds the mouse, the button is not drawn pushed, and the next
// click goes where it is aimed. (A native
// button takes the capture and draws itself pushed on the press, and lets both go on the release or
// when it loses the capture: the button control's documented behaviour.)
TEST_F(ModalLoopTest, APressWhoseFocusHandlersFailLeavesNothingBehind) {
    enum class TKind { PushButton, RadioButton };
    enum class TThrower { ExitOfTheEditLeft, EnterOfTheButton };
    for (const TKind kind : {TKind::PushButton, TKind::RadioButton}) {
        for (const TThrower thrower : {TThrower::ExitOfTheEditLeft, TThrower::EnterOfTheButton}) {
            SCOPED_TRACE(std::string(kind == TKind::PushButton ? "push button" : "radio button") +
                         (thrower == TThrower::ExitOfTheEditLeft ? ", OnExit of the edit left"
                                                                 : ", OnEnter of the button"));
            TEditForm form(1);
            TButton push(&form.Form);
            push.SetBounds(170, 10, 100, 25);
            push.SetCaption(L"Push");
            TcxRadioButton radio(&form.Form);
            radio.SetBounds(170, 40, 100, 20);
            radio.SetCaption(L"Radio");
            TControl& button = kind == TKind::PushButton ? static_cast<TControl&>(push) : radio;
            bool armed = true;
            const TNotifyEvent throwOnce = [&armed](TObject*) {
                if (std::exchange(armed, false)) {
                    throw Exception(L"The handler failed");
                }
            };
            (thrower == TThrower::ExitOfTheEditLeft ? form.Edit(0).OnExit : button.OnEnter) =
                throwOnce;
            form.Show();
            {
                const TModalWatch watch;
                QueueClickAt(button.Handle(), 10, 10);
                Pump();
                EXPECT_EQ(watch.Texts(), std::vector<std::wstring>{L"The handler failed."});
            }
            EXPECT_EQ(GetCapture(), nullptr) << "a window still holds the mouse";
            EXPECT_EQ(SendMessageW(button.Handle(), BM_GETSTATE, 0, 0) & BST_PUSHED, 0)
                << "the button is drawn pushed";
            QueueClickAt(form.Edit(0).Handle(), 20, 10);
            Pump();
            EXPECT_TRUE(HasFocus(form.Edit(0))) << "the next click was swallowed";
        }
    }
}

// A window whose focus arrival fails outside the form's enter and exit steps.
class TFailingArrival : public TControl {
public:
    using TControl::TControl;
    bool Armed = false;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_SETFOCUS && std::exchange(Armed, false)) {
            throw Exception(L"The arrival failed");
        }
        return TControl::WndProc(message, wParam, lParam);
    }
};

// An error that escapes a focus message is reported once the message is done, not from inside it.
TEST_F(ModalLoopTest, AnErrorEscapingAFocusMessageIsReportedAfterIt) {
    TEditForm form(1);
    TFailingArrival failing(&form.Form);
    failing.SetBounds(170, 10, 50, 20);
    failing.SetTabStop(true);
    form.Show();
    const TModalWatch watch;
    failing.Armed = true;
    PressKey(VK_TAB);
    Pump();
    ASSERT_EQ(watch.Texts(), std::vector<std::wstring>{L"The arrival failed."});
    EXPECT_FALSE(watch.Shown()[0].DuringFocusMessage)
        << "reported from inside WM_SETFOCUS or WM_KILLFOCUS";
}

// A form destroyed by a handler of another one, inside one message, with the work its windows
// had put off still waiting: nothing of it runs, nothing is reported, and typing goes on.
TEST_F(ModalLoopTest, AFormDestroyedInsideAHandlerLeavesNothingBehind) {
    enum class TEnd { FocusedThenDeleted, ModalClosedByItsOwnExit };
    for (const TEnd end : {TEnd::FocusedThenDeleted, TEnd::ModalClosedByItsOwnExit}) {
        SCOPED_TRACE(end == TEnd::FocusedThenDeleted ? "focused, then deleted"
                                                     : "modal, closed by its own OnExit");
        TEditForm form;
        auto other = std::make_unique<TEditForm>();
        other->Edit(1).Properties().Alignment().SetHorz(taCenter); // its inner edit comes and goes
        if (end == TEnd::FocusedThenDeleted) {
            other->Show();
        }
        form.Show();
        form.Edit(0).OnKeyPress = [&](TObject*, wchar_t& key) {
            if (key != L'\r') {
                return;
            }
            if (end == TEnd::FocusedThenDeleted) {
                other->Edit(1).SetFocus();
            } else {
                // Tab, the watch's key, moves the dialog's focus on and its OnExit closes it.
                other->Edit(0).OnExit = [&](TObject*) { other->Form.SetModalResult(mrOk); };
                other->Form.ShowModal();
            }
            other.reset();
        };
        const TModalWatch watch({L"#32770", L"TForm"}, VK_TAB);
        PressKey(VK_RETURN);
        Pump();
        EXPECT_EQ(watch.Shown().size(), end == TEnd::FocusedThenDeleted ? 0u : 1u);
        form.Edit(0).SetFocus();
        TypeText(L"ok");
        Pump();
        EXPECT_EQ(form.Edit(0).Text(), L"ok");
        EXPECT_TRUE(HasFocus(form.Edit(0)));
        EXPECT_TRUE(IsWindowVisible(GetFocus()));
    }
}

// A modal form opened by a handler settles its own focus moves while it is up: the move does not
// wait for the handler that opened it.
TEST_F(ModalLoopTest, AModalFormSettlesItsOwnFocusMovesWhileItIsUp) {
    TEditForm form;
    TEditForm dialog;
    dialog.Edit(1).Properties().Alignment().SetHorz(taCenter); // its inner edit comes and goes
    // The Tab the watch posts enters the second edit; the dialog closes on the next message.
    dialog.Edit(1).OnEnter = [&](TObject*) { PostMessageW(dialog.Form.Handle(), WM_CLOSE, 0, 0); };
    HWND focusAtClose = nullptr;
    dialog.Form.OnClose = [&](TObject*) { focusAtClose = GetFocus(); };
    form.Show();
    form.Edit(0).OnKeyPress = [&](TObject*, wchar_t& key) {
        if (key == L'\r') {
            dialog.Form.ShowModal();
        }
    };
    const TModalWatch watch({L"TForm"}, VK_TAB);
    PressKey(VK_RETURN);
    Pump();
    ASSERT_EQ(watch.Shown().size(), 1u);
    EXPECT_EQ(focusAtClose, InnerWindow(dialog.Edit(1)));
}

// Input the operator gives while a leave is being validated waits for the validation: the click
// and the keys are handled afterwards, in order, where the focus then is.
TEST_F(ModalLoopTest, AClickAndKeysTypedDuringValidationFollowItInOrder) {
    const struct {
        const char* name;
        bool valid;
        std::wstring texts[3];
        int focused;
        int beeps;
    } cases[] = {
        // The click takes the focus on to the third edit, where the keys land.
        {"valid", true, {L"good", L"", L"xy"}, 2, 0},
        // Refused again on the click, so the keys replace the selected text.
        {"refused without a report", false, {L"xy", L"", L""}, 0, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TBeepCounter beeps;
        TEditForm form(3);
        form.Edit(0).Properties().SetBeepOnError(true);
        form.Show();
        const TModalWatch watch(kModalForms);
        bool armed = false;
        bool handledInsideFocusChange = false;
        form.Edit(0).Properties().OnValidate = [&](TObject*, Variant&, std::wstring& errorText,
                                                   bool& error) {
            if (std::exchange(armed, false)) {
                QueueClickAt(form.Edit(2).Handle(), 20, 10);
                QueueCharacters(L"xy");
                Sleep(50); // on its way to the queue, as the operator's input would be
            }
            error = !c.valid;
            errorText.clear();
        };
        for (auto& edit : form.Edits) {
            edit->OnKeyPress = [&](TObject*, wchar_t&) {
                handledInsideFocusChange = handledInsideFocusChange || watch.InFocusMessage();
            };
        }
        TypeText(c.valid ? L"good" : L"bad");
        armed = true;
        PressKey(VK_TAB);
        Pump();
        for (int index = 0; index < 3; ++index) {
            EXPECT_EQ(form.Edit(index).Text(), c.texts[index]) << index;
        }
        EXPECT_TRUE(HasFocus(form.Edit(c.focused)));
        EXPECT_EQ(beeps.Count(), c.beeps);
        EXPECT_FALSE(handledInsideFocusChange) << "typed-ahead keys handled inside the move";
        EXPECT_TRUE(watch.Shown().empty());
    }
}

} // namespace
} // namespace velkaro::test
