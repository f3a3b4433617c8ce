// The service's own rules, with no window: when what is put off runs, in which order, and what
// becomes of a failing entry.
#include "framework/DeferredWork.h"

#include "runtime/Exceptions.h"
#include "runtime/Utf.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace velkaro::test {
namespace {

std::vector<std::string> reports;

void RecordReport(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const Exception& thrown) {
        reports.push_back(ToUtf8(thrown.Message()));
    } catch (...) {
        reports.push_back("something else");
    }
}

class DeferredWorkTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetErrorReport(RecordReport);
        reports.clear();
    }
    void TearDown() override { SetErrorReport(nullptr); }
};

// What ran, in order; an entry notes its name when it runs, and may do more.
struct TLog {
    std::string text;
    std::function<void()> Note(const std::string& name, std::function<void()> more = {}) {
        return [this, name, more] {
            text += name + ";";
            if (more) {
                more();
            }
        };
    }
};

TEST_F(DeferredWorkTest, RunsWhatIsPutOffWhenNothingWillRunItLaterAndNoEarlier) {
    const struct {
        const char* name;
        std::function<void(TLog&)> run;
        const char* log;
    } cases[] = {
        {"outside any message, at once",
         [](TLog& log) {
             TDeferred a(log.Note("a"));
             a.Schedule();
             log.Note("after")();
         },
         "a;after;"},
        {"inside a message, when it is done, oldest first, once however often asked",
         [](TLog& log) {
             TDeferred a(log.Note("a")), b(log.Note("b"));
             {
                 const TMessageDispatch dispatch;
                 b.Schedule();
                 a.Schedule();
                 b.Schedule();
                 log.Note("handled")();
             }
         },
         "handled;b;a;"},
        {"inside nested messages, when the outermost is done",
         [](TLog& log) {
             TDeferred a(log.Note("a"));
             const TMessageDispatch outer;
             {
                 const TMessageDispatch inner;
                 a.Schedule();
             }
             log.Note("inner done")();
         },
         "inner done;a;"},
        {"inside a focus message outside any message of ours, when it is done",
         [](TLog& log) {
             TDeferred a(log.Note("a"));
             {
                 const TFocusMessage focus;
                 {
                     const TFocusMessage nested;
                     a.Schedule();
                 }
                 log.Note("nested done")();
             }
         },
         "nested done;a;"},
        {"dropped, not at all",
         [](TLog& log) {
             TDeferred a(log.Note("a")), b(log.Note("b"));
             const TMessageDispatch dispatch;
             a.Schedule();
             b.Schedule();
             a.Cancel();
         },
         "b;"},
        {"an entry that schedules another runs it in the same pass, after those pending",
         [](TLog& log) {
             TDeferred c(log.Note("c"));
             TDeferred a(log.Note("a", [&c] { c.Schedule(); })), b(log.Note("b"));
             const TMessageDispatch dispatch;
             a.Schedule();
             b.Schedule();
         },
         "a;b;c;"},
        {"before a modal loop starts",
         [](TLog& log) {
             TDeferred a(log.Note("a"));
             const TMessageDispatch dispatch;
             a.Schedule();
             const TModalLoop modal;
             log.Note("loop")();
         },
         "a;loop;"},
        {"inside a modal loop, when a message its loop dispatches is done",
         [](TLog& log) {
             TDeferred a(log.Note("a"));
             const TMessageDispatch opener;
             const TModalLoop modal;
             {
                 const TMessageDispatch dispatch;
                 a.Schedule();
                 log.Note("handled")();
             }
             log.Note("loop goes on")();
         },
         "handled;a;loop goes on;"},
        {"inside a modal loop, outside its messages, at once",
         [](TLog& log) {
             TDeferred a(log.Note("a"));
             const TMessageDispatch opener;
             const TModalLoop modal;
             a.Schedule();
             log.Note("after")();
         },
         "a;after;"},
        {"after a modal loop, when the message that opened it is done",
         [](TLog& log) {
             TDeferred a(log.Note("a"));
             {
                 const TMessageDispatch opener;
                 { const TModalLoop modal; }
                 a.Schedule();
                 log.Note("handled")();
             }
         },
         "handled;a;"},
        {"an entry that opens a modal loop: the rest before the loop starts",
         [](TLog& log) {
             TDeferred a(log.Note("a", [&log] {
                 const TModalLoop modal;
                 log.Note("loop")();
             }));
             TDeferred b(log.Note("b"));
             const TMessageDispatch dispatch;
             a.Schedule();
             b.Schedule();
         },
         "a;b;loop;"},
        {"entries that fail: the rest still run",
         [](TLog& log) {
             TDeferred a(log.Note("a", [] { throw Exception(L"a failed"); }));
             TDeferred b(log.Note("b", [] { throw 42; }));
             TDeferred c(log.Note("c"));
             const TMessageDispatch dispatch;
             a.Schedule();
             b.Schedule();
             c.Schedule();
         },
         "a;b;c;"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TLog log;
        c.run(log);
        EXPECT_EQ(log.text, c.log);
    }
}

TEST_F(DeferredWorkTest, EachFailureIsReportedOnceAndErrorsOfAFocusMoveWhenItIsSettled) {
    TDeferred a([] { throw Exception(L"a failed"); });
    TDeferred b([] { throw 42; });
    {
        const TMessageDispatch dispatch;
        a.Schedule();
        b.Schedule();
        {
            const TFocusMessage focus;
            ReportWhenSettled(std::make_exception_ptr(Exception(L"exit failed")));
            RunFocusStep([] { throw Exception(L"enter failed"); });
        }
        EXPECT_TRUE(reports.empty());
    }
    EXPECT_EQ(reports, (std::vector<std::string>{"a failed", "something else", "exit failed",
                                                 "enter failed"}));
}

// An owner destroyed while its work is pending takes the work with it: nothing runs in its name,
// not even the work of the next owner built in the same place, as the next object often is.
TEST_F(DeferredWorkTest, AnOwnerDestroyedWhileItsWorkIsPendingLeavesNothingToRun) {
    std::string ran;
    std::optional<TDeferred> owner;
    const TMessageDispatch dispatch;
    owner.emplace([&ran] { ran += "destroyed owner's;"; });
    owner->Schedule();
    owner.reset();
    owner.emplace([&ran] { ran += "unscheduled;"; });
    RunDeferredWork();
    EXPECT_EQ(ran, "");
}

} // namespace
} // namespace velkaro::test
