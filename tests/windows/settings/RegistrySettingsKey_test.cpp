#include "framework/Registry.h"
#include "settings/RegistrySettingsKey.h"
#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

#include <vector>

namespace velkaro {
namespace {

// A key of its own, so the program's real settings in the test prefix are left alone.
const std::wstring kTestKey = L"Software\\Velkaro 2 Registry Test";

class RegistrySettingsKeyTest : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey.c_str()); }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey.c_str()); }

    // Stores raw data, as another program or an older version might have.
    static void StoreRaw(const std::wstring& name, DWORD type, const void* data, DWORD size) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kTestKey.c_str(), 0, nullptr, 0,
                                  KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        EXPECT_EQ(RegSetValueExW(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), size),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }
    static void StoreText(const std::wstring& name, DWORD type, const std::wstring& text) {
        StoreRaw(name, type, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }
    static bool KeyExists() {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, kTestKey.c_str(), 0, KEY_READ, &key) !=
            ERROR_SUCCESS) {
            return false;
        }
        RegCloseKey(key);
        return true;
    }

    RegistrySettingsKeys keys{kTestKey};
};

TEST_F(RegistrySettingsKeyTest, OpeningCreatesTheKeyAndMissingValuesReadEmpty) {
    for (const SettingsAccess access : {SettingsAccess::Read, SettingsAccess::Write}) {
        RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey.c_str());
        const auto key = keys.Open(access);
        EXPECT_TRUE(KeyExists());
        EXPECT_EQ(key->Read(L"Fiyat1").Kind, StoredValueKind::Missing);
        EXPECT_EQ(ReadSettingText(*key, L"Fiyat1"), L"");
    }
}

TEST_F(RegistrySettingsKeyTest, AKeyOpenedToReadRefusesWrites) {
    StoreText(L"Fiyat1", REG_SZ, L"10");
    const auto key = keys.Open(SettingsAccess::Read);
    EXPECT_FALSE(key->WriteString(L"Fiyat1", L"20"));
    EXPECT_EQ(ReadSettingText(*key, L"Fiyat1"), L"10");
}

// Whatever a value held, in type and bytes, it holds again after an undo; a value that was
// missing is missing again.
TEST_F(RegistrySettingsKeyTest, UndoGivesWrittenValuesBackWhatTheyHeld) {
    const DWORD number = 1000000;
    StoreRaw(L"Fiyat1", REG_DWORD, &number, sizeof(number));
    StoreText(L"Fiyat2", REG_EXPAND_SZ, L"%20%");
    {
        const auto key = keys.Open(SettingsAccess::Write);
        for (const std::wstring name : {L"Fiyat1", L"Fiyat2", L"Yuvarlama", L"Fiyat1"}) {
            EXPECT_TRUE(key->WriteString(name, L"5"));
        }
        EXPECT_EQ(ReadSettingText(*key, L"Yuvarlama"), L"5");
        key->UndoWrites();
    }
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey(kTestKey, false));
    const std::optional<TRegData> first = registry.ReadData(L"Fiyat1");
    ASSERT_TRUE(first);
    EXPECT_EQ(first->Type, static_cast<DWORD>(REG_DWORD));
    ASSERT_EQ(first->Bytes.size(), sizeof(number));
    EXPECT_EQ(*reinterpret_cast<const DWORD*>(first->Bytes.data()), number);
    EXPECT_EQ(registry.GetDataInfo(L"Fiyat2")->Type, static_cast<DWORD>(REG_EXPAND_SZ));
    EXPECT_EQ(registry.ReadStringData(L"Fiyat2"), L"%20%");
    EXPECT_FALSE(registry.GetDataInfo(L"Yuvarlama"));
}

TEST_F(RegistrySettingsKeyTest, WrittenTextsReadBackAsStringsThroughAFreshOpen) {
    const std::vector<std::wstring> texts = {L"1000000", L"-250", L"",
                                             L"\u011F\u00FC\u015F\u0131\u00F6\u00E7",
                                             std::wstring(5000, L'9')};
    for (const std::wstring& text : texts) {
        EXPECT_TRUE(keys.Open(SettingsAccess::Write)->WriteString(L"Fiyat1", text));
        const StoredValue read = keys.Open(SettingsAccess::Read)->Read(L"Fiyat1");
        EXPECT_EQ(read.Kind, StoredValueKind::String);
        EXPECT_EQ(read.Text, text);
    }
}

TEST_F(RegistrySettingsKeyTest, ExpandStringsAreAcceptedUnexpanded) {
    StoreText(L"Yuvarlama", REG_EXPAND_SZ, L"%250000%");
    const auto key = keys.Open(SettingsAccess::Read);
    EXPECT_EQ(key->Read(L"Yuvarlama").Kind, StoredValueKind::ExpandString);
    EXPECT_EQ(ReadSettingText(*key, L"Yuvarlama"), L"%250000%");
}

TEST_F(RegistrySettingsKeyTest, OtherTypesAreRefusedWithTheValueName) {
    const DWORD number = 1000000;
    StoreRaw(L"Fiyat1", REG_DWORD, &number, sizeof(number));
    StoreRaw(L"Fiyat2", REG_BINARY, "12", 2);
    const auto key = keys.Open(SettingsAccess::Read);
    for (const std::wstring name : {L"Fiyat1", L"Fiyat2"}) {
        EXPECT_EQ(key->Read(name).Kind, StoredValueKind::OtherType);
        try {
            ReadSettingText(*key, name);
            ADD_FAILURE() << "no error";
        } catch (const ERegistryException& error) {
            EXPECT_EQ(error.Message(), L"Invalid data type for '" + name + L"'");
        }
    }
}

TEST_F(RegistrySettingsKeyTest, ARefusedOpenReadsNothingAndRefusesWrites) {
    // A key name component longer than the registry allows.
    RegistrySettingsKeys refused(kTestKey + L"\\" + std::wstring(300, L'k'));
    for (const SettingsAccess access : {SettingsAccess::Read, SettingsAccess::Write}) {
        const auto key = refused.Open(access);
        EXPECT_EQ(key->Read(L"Fiyat1").Kind, StoredValueKind::Missing);
        EXPECT_FALSE(key->WriteString(L"Fiyat1", L"1"));
    }
}

TEST_F(RegistrySettingsKeyTest, TheWrapperClosesAndReopens) {
    TRegistry registry;
    EXPECT_FALSE(registry.WriteString(L"Fiyat1", L"1"));
    EXPECT_FALSE(registry.OpenKey(kTestKey, false));
    ASSERT_TRUE(registry.OpenKey(kTestKey, true));
    EXPECT_TRUE(registry.WriteString(L"Fiyat1", L"1"));
    const std::optional<TRegDataInfo> info = registry.GetDataInfo(L"Fiyat1");
    ASSERT_TRUE(info);
    EXPECT_EQ(info->Type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(info->Size, 2 * sizeof(wchar_t));
    registry.CloseKey();
    EXPECT_FALSE(registry.KeyOpen());
    EXPECT_FALSE(registry.GetDataInfo(L"Fiyat1"));
    EXPECT_TRUE(registry.OpenKey(kTestKey, false));
}

// The whole first run against the real registry: the prompts' answers end up stored as text.
TEST_F(RegistrySettingsKeyTest, AFirstRunStoresTheAnswersAndTheNextRunAsksNothing) {
    struct Answers : SettingsPrompt, TariffCaptionSink {
        std::vector<std::wstring> Left = {L"1000000", L"1500000", L"250000"};
        int Asked = 0;
        std::wstring Ask(const std::wstring&, const std::wstring&, const std::wstring&) override {
            return Left.at(static_cast<std::size_t>(Asked++));
        }
        void SetTariffCaptions(const std::wstring&, const std::wstring&) override {}
    } answers;
    Ayarlar first;
    SettingsStore(first, keys, answers, answers).Load();
    EXPECT_EQ(answers.Asked, 3);
    const auto key = keys.Open(SettingsAccess::Read);
    EXPECT_EQ(ReadSettingText(*key, L"Fiyat1"), L"1000000");
    EXPECT_EQ(ReadSettingText(*key, L"Fiyat2"), L"1500000");
    EXPECT_EQ(ReadSettingText(*key, L"Yuvarlama"), L"250000");

    Ayarlar second;
    SettingsStore(second, keys, answers, answers).Load();
    EXPECT_EQ(answers.Asked, 3);
    EXPECT_EQ(second.Fiyat2, 1500000);
}

} // namespace
} // namespace velkaro
