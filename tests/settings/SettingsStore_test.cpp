#include "settings/SettingsStore.h"

#include "runtime/FormatSettings.h"

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <optional>
#include <vector>

namespace velkaro {
namespace {

// The registry key in memory; counts the keys left open.
class MemoryKeys : public SettingsKeyOpener {
public:
    std::map<std::wstring, StoredValue> Values;
    bool RefuseOpen = false;
    bool RefuseWriteOpen = false;             // the key may be read but not changed
    std::optional<std::wstring> RefusedWrite; // this value name cannot be written
    std::vector<SettingsAccess> Opens;
    int OpenKeys = 0;
    int Writes = 0;

    void SetString(const std::wstring& name, const std::wstring& text) {
        Values[name] = {StoredValueKind::String, text};
    }
    std::wstring Text(const std::wstring& name) const {
        const auto found = Values.find(name);
        return found == Values.end() ? L"<missing>" : found->second.Text;
    }

    std::unique_ptr<SettingsKey> Open(SettingsAccess access) override {
        Opens.push_back(access);
        const bool refused = RefuseOpen || (RefuseWriteOpen && access == SettingsAccess::Write);
        return std::make_unique<Key>(*this, refused);
    }

private:
    class Key : public SettingsKey {
    public:
        Key(MemoryKeys& keys, bool refused) : keys_(keys), refused_(refused) { ++keys_.OpenKeys; }
        ~Key() override { --keys_.OpenKeys; }
        StoredValue Read(const std::wstring& name) override {
            const auto found = keys_.Values.find(name);
            return refused_ || found == keys_.Values.end() ? StoredValue{} : found->second;
        }
        bool WriteString(const std::wstring& name, const std::wstring& text) override {
            if (refused_ || keys_.RefusedWrite == name) {
                return false;
            }
            const auto found = keys_.Values.find(name);
            before_.emplace_back(name, found == keys_.Values.end()
                                           ? std::nullopt
                                           : std::optional<StoredValue>(found->second));
            ++keys_.Writes;
            keys_.SetString(name, text);
            return true;
        }
        void UndoWrites() override {
            for (auto written = before_.rbegin(); written != before_.rend(); ++written) {
                if (written->second) {
                    keys_.Values[written->first] = *written->second;
                } else {
                    keys_.Values.erase(written->first);
                }
            }
            before_.clear();
        }

    private:
        MemoryKeys& keys_;
        bool refused_;
        std::vector<std::pair<std::wstring, std::optional<StoredValue>>> before_;
    };
};

struct PromptCall {
    std::wstring Caption, Line, Default;
    bool operator==(const PromptCall&) const = default;
};

// Answers prompts from a script; with no answer left the prompt is cancelled.
class ScriptedPrompt : public SettingsPrompt {
public:
    std::deque<std::wstring> Answers;
    std::vector<PromptCall> Calls;

    std::wstring Ask(const std::wstring& caption, const std::wstring& line,
                     const std::wstring& defaultText) override {
        Calls.push_back({caption, line, defaultText});
        if (Answers.empty()) {
            return defaultText;
        }
        std::wstring answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
};

class RecordedCaptions : public TariffCaptionSink {
public:
    std::vector<std::pair<std::wstring, std::wstring>> Calls;
    void SetTariffCaptions(const std::wstring& first, const std::wstring& second) override {
        Calls.emplace_back(first, second);
    }
};

const PromptCall kPrice1{L"1. fiyat\u0131 giriniz", L"1. Fiyat", L"0"};
const PromptCall kPrice2{L"2. fiyat\u0131 giriniz", L"2. Fiyat", L"0"};
const PromptCall kStep{L"Yuvarlama miktar\u0131n\u0131 giriniz",
                       L"Yuvarlama miktar\u0131 (\u00F6r. 250000)", L"0"};

PromptCall WithDefault(PromptCall call, const std::wstring& defaultText) {
    call.Default = defaultText;
    return call;
}

class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetFormatSettings();
        FormatSettings().ThousandSeparator = L'.';
    }
    void TearDown() override {
        ResetFormatSettings();
        EXPECT_EQ(keys.OpenKeys, 0) << "the key was not released";
    }

    void Answer(std::initializer_list<std::wstring> answers) { prompt.Answers = answers; }
    void StoreAll(const std::wstring& fiyat1, const std::wstring& fiyat2,
                  const std::wstring& yuvarlama) {
        keys.SetString(L"Fiyat1", fiyat1);
        keys.SetString(L"Fiyat2", fiyat2);
        keys.SetString(L"Yuvarlama", yuvarlama);
    }
    // Runs the operation expecting it to fail with this message.
    template <typename Operation>
    void ExpectError(Operation operation, const std::wstring& message) {
        try {
            operation();
            ADD_FAILURE() << "no error";
        } catch (const Exception& error) {
            EXPECT_EQ(error.Message(), message);
        }
    }

    Ayarlar ayarlar;
    MemoryKeys keys;
    ScriptedPrompt prompt;
    RecordedCaptions captions;
    SettingsStore store{ayarlar, keys, prompt, captions};
};

TEST_F(SettingsStoreTest, FirstRunAsksForAllThreeInOrderAndStoresThem) {
    Answer({L"1000000", L"1500000", L"250000"});
    store.Load();
    EXPECT_EQ(prompt.Calls, (std::vector<PromptCall>{kPrice1, kPrice2, kStep}));
    EXPECT_EQ(keys.Text(L"Fiyat1"), L"1000000");
    EXPECT_EQ(keys.Text(L"Fiyat2"), L"1500000");
    EXPECT_EQ(keys.Text(L"Yuvarlama"), L"250000");
    EXPECT_EQ(ayarlar.Fiyat1, 1000000);
    EXPECT_EQ(ayarlar.Fiyat2, 1500000);
    EXPECT_EQ(ayarlar.Yuvarlama, 250000);
    EXPECT_EQ(captions.Calls, (decltype(captions.Calls){{L"1.000.000", L"1.500.000"}}));
}

TEST_F(SettingsStoreTest, StoredSettingsLoadWithoutPromptsOrWrites) {
    StoreAll(L"1000000", L"-250", L"250000");
    keys.Values[L"Fiyat2"].Kind = StoredValueKind::ExpandString;
    store.Load();
    EXPECT_TRUE(prompt.Calls.empty());
    EXPECT_EQ(keys.Writes, 0);
    EXPECT_EQ(ayarlar.Fiyat1, 1000000);
    EXPECT_EQ(ayarlar.Fiyat2, -250);
    EXPECT_EQ(ayarlar.Yuvarlama, 250000);
    EXPECT_EQ(captions.Calls, (decltype(captions.Calls){{L"1.000.000", L"-250"}}));
}

TEST_F(SettingsStoreTest, AMissingOrEmptyPriceAsksForBothAndIgnoresTheStoredOne) {
    for (const std::wstring fiyat2 : {L"<missing>", L""}) {
        SCOPED_TRACE(testing::Message() << "Fiyat2 " << fiyat2.size());
        keys.Values.clear();
        prompt.Calls.clear();
        ayarlar = {};
        keys.SetString(L"Fiyat1", L"777");
        if (fiyat2.empty()) {
            keys.SetString(L"Fiyat2", L"");
        }
        keys.SetString(L"Yuvarlama", L"100");
        store.Load(); // every prompt cancelled
        EXPECT_EQ(prompt.Calls, (std::vector<PromptCall>{kPrice1, kPrice2}));
        EXPECT_EQ(ayarlar.Fiyat1, 0);
        EXPECT_EQ(ayarlar.Yuvarlama, 100);
        EXPECT_EQ(keys.Writes, 0);
        EXPECT_TRUE(captions.Calls.empty());
    }
}

TEST_F(SettingsStoreTest, AZeroPriceChangesNothingAndAZeroStepStaysUnsaved) {
    StoreAll(L"10", L"20", L"5");
    store.Load();
    captions.Calls.clear();

    for (const auto& answers : {std::pair{L"0", L"30"}, std::pair{L"30", L"0"}}) {
        Answer({answers.first, answers.second});
        store.AskPrices();
        EXPECT_EQ(ayarlar.Fiyat1, 10);
        EXPECT_EQ(ayarlar.Fiyat2, 20);
    }
    Answer({L"0"});
    store.AskRoundingStep();
    EXPECT_EQ(ayarlar.Yuvarlama, 0);
    EXPECT_EQ(keys.Writes, 0);
    EXPECT_EQ(keys.Text(L"Fiyat2"), L"20");
    EXPECT_EQ(keys.Text(L"Yuvarlama"), L"5");
    EXPECT_TRUE(captions.Calls.empty());
}

TEST_F(SettingsStoreTest, PromptsArePrefilledWithTheValuesInMemory) {
    StoreAll(L"10", L"20", L"5");
    store.Load();
    store.AskPrices(); // cancelled: the pre-filled values come back and are saved again
    store.AskRoundingStep();
    EXPECT_EQ(prompt.Calls,
              (std::vector<PromptCall>{WithDefault(kPrice1, L"10"), WithDefault(kPrice2, L"20"),
                                       WithDefault(kStep, L"5")}));
    EXPECT_EQ(ayarlar.Fiyat1, 10);
    EXPECT_EQ(keys.Text(L"Fiyat1"), L"10");
}

TEST_F(SettingsStoreTest, AnswersAreParsedAsIntegersAndSavedInPlainDecimal) {
    const struct {
        std::wstring Answer;
        std::int64_t Value;
        std::wstring Stored, Caption;
    } cases[] = {
        {L"42", 42, L"42", L"42"},
        {L" 42", 42, L"42", L"42"},
        {L"$FF", 255, L"255", L"255"},
        {L"-250", -250, L"-250", L"-250"},
        {L"+1000000", 1000000, L"1000000", L"1.000.000"},
        {L"2147483647", 2147483647, L"2147483647", L"2.147.483.647"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Stored);
        captions.Calls.clear();
        Answer({c.Answer, L"1"});
        store.AskPrices();
        EXPECT_EQ(ayarlar.Fiyat1, c.Value);
        EXPECT_EQ(keys.Text(L"Fiyat1"), c.Stored);
        ASSERT_EQ(captions.Calls.size(), 1U);
        EXPECT_EQ(captions.Calls[0].first, c.Caption);
    }
}

TEST_F(SettingsStoreTest, ABadAnswerEndsThePromptsWhereItOccursAndChangesNothing) {
    const struct {
        std::wstring Answer1, Answer2;
        std::wstring Message;
        std::size_t Prompts;
        std::int64_t Fiyat1;
    } cases[] = {
        {L"abc", L"5", L"'abc' is not a valid integer value", 1, 7},
        {L"42 ", L"5", L"'42 ' is not a valid integer value", 1, 7},
        {L"", L"5", L"'' is not a valid integer value", 1, 7},
        {L"2147483648", L"5", L"'2147483648' is not a valid integer value", 1, 7},
        {L"9", L"x", L"'x' is not a valid integer value", 2, 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Message);
        ayarlar = {7, 8, 1};
        prompt.Calls.clear();
        Answer({c.Answer1, c.Answer2});
        ExpectError([&] { store.AskPrices(); }, c.Message);
        EXPECT_EQ(prompt.Calls.size(), c.Prompts);
        EXPECT_EQ(ayarlar.Fiyat1, c.Fiyat1);
        EXPECT_EQ(ayarlar.Fiyat2, 8);
        EXPECT_EQ(keys.Writes, 0);
        EXPECT_TRUE(captions.Calls.empty());
    }
}

TEST_F(SettingsStoreTest, ABadFirstAnswerOnFirstRunSkipsTheRest) {
    Answer({L"abc"});
    ExpectError([&] { store.Load(); }, L"'abc' is not a valid integer value");
    EXPECT_EQ(prompt.Calls, (std::vector<PromptCall>{kPrice1}));
    EXPECT_EQ(ayarlar.Yuvarlama, 0);
}

TEST_F(SettingsStoreTest, ABadStoredPriceSkipsTheRoundingStep) {
    StoreAll(L"10", L"1.5", L"250");
    ExpectError([&] { store.Load(); }, L"'1.5' is not a valid integer value");
    EXPECT_EQ(ayarlar.Fiyat1, 10);
    EXPECT_EQ(ayarlar.Yuvarlama, 0);
    EXPECT_TRUE(prompt.Calls.empty());
    EXPECT_TRUE(captions.Calls.empty());
}

TEST_F(SettingsStoreTest, AStoredValueOfAnotherTypeEndsTheLoadBeforeAnyParse) {
    for (const std::wstring name : {L"Fiyat1", L"Fiyat2", L"Yuvarlama"}) {
        SCOPED_TRACE(testing::Message() << name.size());
        ayarlar = {};
        StoreAll(L"10", L"20", L"30");
        keys.Values[name] = {StoredValueKind::OtherType, L""};
        ExpectError([&] { store.Load(); }, L"Invalid data type for '" + name + L"'");
        EXPECT_EQ(ayarlar.Fiyat1, 0);
        EXPECT_TRUE(prompt.Calls.empty());
    }
}

TEST_F(SettingsStoreTest, ARefusedWriteIsReportedAndChangesNothing) {
    for (const bool stored : {false, true}) {
        for (const std::wstring refused : {L"Fiyat1", L"Fiyat2", L"Yuvarlama"}) {
            SCOPED_TRACE(testing::Message() << refused.size() << " " << stored);
            keys.Values.clear();
            if (stored) {
                StoreAll(L"10", L"20", L"5");
                keys.Values[L"Fiyat1"].Kind = StoredValueKind::ExpandString;
            }
            const auto before = keys.Values;
            ayarlar = {10, 20, 5};
            keys.RefusedWrite = refused;
            Answer({L"100", L"200"});
            if (refused == L"Yuvarlama") {
                ExpectError([&] { store.AskRoundingStep(); },
                            L"Failed to set data for 'Yuvarlama'");
            } else {
                ExpectError([&] { store.AskPrices(); },
                            L"Failed to set data for '" + refused + L"'");
            }
            EXPECT_EQ(ayarlar.Fiyat1, 10);
            EXPECT_EQ(ayarlar.Fiyat2, 20);
            EXPECT_EQ(ayarlar.Yuvarlama, 5);
            EXPECT_EQ(keys.Values.size(), before.size());
            for (const auto& [name, value] : before) {
                EXPECT_EQ(keys.Values[name].Kind, value.Kind);
                EXPECT_EQ(keys.Values[name].Text, value.Text);
            }
            EXPECT_TRUE(captions.Calls.empty());
        }
    }
}

TEST_F(SettingsStoreTest, AKeyThatCanOnlyBeReadLoadsAndRefusesChanges) {
    StoreAll(L"10", L"20", L"30");
    keys.RefuseWriteOpen = true;
    store.Load();
    EXPECT_TRUE(prompt.Calls.empty());
    EXPECT_EQ(keys.Opens, std::vector<SettingsAccess>{SettingsAccess::Read});
    EXPECT_EQ(ayarlar.Yuvarlama, 30);
    Answer({L"1", L"2", L"3"});
    ExpectError([&] { store.AskPrices(); }, L"Failed to set data for 'Fiyat1'");
    ExpectError([&] { store.AskRoundingStep(); }, L"Failed to set data for 'Yuvarlama'");
    EXPECT_EQ(ayarlar.Fiyat1, 10);
    EXPECT_EQ(ayarlar.Fiyat2, 20);
    EXPECT_EQ(ayarlar.Yuvarlama, 30);
    EXPECT_EQ(keys.Opens.back(), SettingsAccess::Write);
    EXPECT_EQ(captions.Calls.size(), 1U);
}

TEST_F(SettingsStoreTest, ARefusedOpenReadsNothingAndFailsTheFirstWrite) {
    StoreAll(L"10", L"20", L"30");
    keys.RefuseOpen = true;
    Answer({L"1", L"2"});
    ExpectError([&] { store.Load(); }, L"Failed to set data for 'Fiyat1'");
    EXPECT_EQ(prompt.Calls, (std::vector<PromptCall>{kPrice1, kPrice2}));
    EXPECT_EQ(ayarlar.Fiyat1, 0);
    EXPECT_EQ(ayarlar.Fiyat2, 0);
}

// Blanks and zeros before a number are part of what loads; a text longer than any setting is
// refused, and the message quotes its beginning.
TEST_F(SettingsStoreTest, AStoredTextLongerThanASettingIsRefusedWithItsBeginningQuoted) {
    const struct {
        std::wstring Stored;
        std::int64_t Value;
        std::optional<std::wstring> Quoted;
    } cases[] = {
        {std::wstring(1022, L' ') + L"42", 42, std::nullopt},
        {std::wstring(1023, L' ') + L"42", 0, std::wstring(40, L' ')},
        {std::wstring(1023, L'0') + L"7", 7, std::nullopt},
        {std::wstring(1024, L'0') + L"7", 0, std::wstring(40, L'0')},
        {std::wstring(100000, L'7'), 0, std::wstring(40, L'7')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Stored.size());
        ayarlar = {};
        StoreAll(L"10", L"20", c.Stored);
        if (c.Quoted) {
            ExpectError([&] { store.Load(); },
                        L"'" + *c.Quoted + L"\u2026' is not a valid integer value");
        } else {
            store.Load();
        }
        EXPECT_EQ(ayarlar.Yuvarlama, c.Value);
    }
}

} // namespace
} // namespace velkaro
