#include "editors/cxEdit/cxEditProperties.h"
#include "editors/cxEdit/cxEditRepository.h"
#include "editors/cxEdit/cxEditRepositoryLink.h"

#include "runtime/Exceptions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace velkaro {
namespace {

class ConfigurableProvider : public TcxCustomEditDefaultValuesProvider {
public:
    TAlignment DefaultAlignment() const override { return alignment; }
    bool DefaultReadOnly() const override { return readOnly; }
    void Change() const { DefaultValuesChanged(); }

    TAlignment alignment = taRightJustify;
    bool readOnly = true;
};

class PropertiesTest : public ::testing::Test {
protected:
    PropertiesTest() {
        properties.OnPropertiesChanged = [this](TObject* sender) {
            EXPECT_EQ(sender, &properties);
            ++announced;
        };
    }

    TcxCustomEditProperties properties;
    int announced = 0;
};

struct AnnounceCase {
    const char* name;
    std::function<void(TcxCustomEditProperties&)> change;
    int announcements;
};

TEST_F(PropertiesTest, SettersAnnounceAsTheyShould) {
    const AnnounceCase cases[] = {
        {"AutoSelect unchanged", [](auto& p) { p.SetAutoSelect(true); }, 0},
        {"AutoSelect changed", [](auto& p) { p.SetAutoSelect(false); }, 1},
        {"left alignment unchanged", [](auto& p) { p.SetUseLeftAlignmentOnEditing(true); }, 0},
        {"left alignment changed", [](auto& p) { p.SetUseLeftAlignmentOnEditing(false); }, 1},
        {"BeepOnError", [](auto& p) { p.SetBeepOnError(true); }, 0},
        {"ValidateOnEnter", [](auto& p) { p.SetValidateOnEnter(true); }, 0},
        {"ImmediatePost", [](auto& p) { p.SetImmediatePost(true); }, 0},
        {"ReadOnly first write of the default", [](auto& p) { p.SetReadOnly(false); }, 1},
        {"ReadOnly written twice",
         [](auto& p) {
             p.SetReadOnly(true);
             p.SetReadOnly(true);
         },
         1},
        {"Horz equal, twice",
         [](auto& p) {
             p.Alignment().SetHorz(taLeftJustify);
             p.Alignment().SetHorz(taLeftJustify);
         },
         2},
        {"Vert unchanged", [](auto& p) { p.Alignment().SetVert(taTopJustify); }, 0},
        {"Vert changed", [](auto& p) { p.Alignment().SetVert(taVCenter); }, 1},
        {"Alignment as a whole", [](auto& p) { p.SetAlignment(TcxEditAlignment()); }, 1},
        {"a button added", [](auto& p) { p.Buttons().Add(TcxEditButton()); }, 1},
        {"a new defaults provider",
         [](auto& p) { p.SetDefaultValuesProvider(std::make_shared<ConfigurableProvider>()); }, 1},
    };
    for (const auto& c : cases) {
        TcxCustomEditProperties fresh;
        int count = 0;
        fresh.OnPropertiesChanged = [&count](TObject*) { ++count; };
        c.change(fresh);
        EXPECT_EQ(count, c.announcements) << c.name;
    }
}

TEST_F(PropertiesTest, BracketAnnouncesOnceWhenTheOutermostClosesWithAnnounce) {
    properties.HoldChanges();
    properties.HoldChanges();
    properties.SetAutoSelect(false);
    properties.SetReadOnly(true);
    properties.Alignment().SetHorz(taCenter);
    properties.ReleaseChanges(true);
    EXPECT_EQ(announced, 0);
    properties.ReleaseChanges(true);
    EXPECT_EQ(announced, 1);

    properties.HoldChanges();
    properties.SetAutoSelect(true);
    properties.ReleaseChanges(false);
    EXPECT_EQ(announced, 1);

    // An unmatched release neither announces nor leaves the bracket unbalanced.
    properties.ReleaseChanges(true);
    properties.SetAutoSelect(false);
    EXPECT_EQ(announced, 2);
}

TEST_F(PropertiesTest, SuppressionAndADestroyingOwnerSilenceChanges) {
    properties.SetChangesSuppressed(true);
    properties.SetAutoSelect(false);
    properties.SetChangesSuppressed(false);
    EXPECT_EQ(announced, 0);

    struct Owner : IcxEditPropertiesOwner {
        bool IsDestroying() const override { return destroying; }
        bool destroying = true;
    } owner;
    TcxCustomEditProperties owned(&owner);
    int count = 0;
    owned.OnPropertiesChanged = [&count](TObject*) { ++count; };
    owned.SetReadOnly(true);
    owner.destroying = false;
    owned.SetReadOnly(false);
    EXPECT_EQ(count, 1);
}

TEST_F(PropertiesTest, ReadOnlyFollowsTheProviderUntilWritten) {
    EXPECT_FALSE(properties.ReadOnly());
    EXPECT_FALSE(properties.IsReadOnlyStored());
    properties.SetDefaultValuesProvider(std::make_shared<ConfigurableProvider>());
    EXPECT_TRUE(properties.ReadOnly());
    properties.SetReadOnly(false);
    EXPECT_FALSE(properties.ReadOnly());
    EXPECT_TRUE(properties.IsReadOnlyStored());
}

TEST_F(PropertiesTest, AlignmentCopyCarriesTheDefaultAndWritesBack) {
    properties.SetDefaultValuesProvider(std::make_shared<ConfigurableProvider>());
    EXPECT_EQ(properties.Alignment().Horz(), taRightJustify);
    EXPECT_FALSE(properties.Alignment().IsStored());

    properties.Alignment().SetVert(taVCenter);
    EXPECT_EQ(properties.Alignment().Horz(), taRightJustify); // still the default
    EXPECT_FALSE(properties.Alignment().IsHorzStored());
    EXPECT_TRUE(properties.Alignment().IsStored());

    properties.Alignment().SetHorz(taRightJustify);
    EXPECT_TRUE(properties.Alignment().HorzExplicit());
    properties.SetDefaultValuesProvider(nullptr);
    EXPECT_EQ(properties.Alignment().Horz(), taRightJustify);
    EXPECT_EQ(properties.Alignment().Vert(), taVCenter);
}

TEST_F(PropertiesTest, ProviderChangesAreAnnouncedWhileTheProviderIsHeld) {
    auto provider = std::make_shared<ConfigurableProvider>();
    properties.SetDefaultValuesProvider(provider);
    provider->Change();
    EXPECT_EQ(announced, 2);
    {
        TcxCustomEditProperties shortLived;
        shortLived.SetDefaultValuesProvider(provider);
    }
    properties.SetDefaultValuesProvider(std::make_shared<ConfigurableProvider>());
    announced = 0;
    provider->Change(); // neither the released nor the destroyed properties hear it
    EXPECT_EQ(announced, 0);
}

TEST_F(PropertiesTest, AssignCopiesEverythingAndAnnouncesOnce) {
    TcxCustomEditProperties source;
    auto provider = std::make_shared<ConfigurableProvider>();
    source.SetAutoSelect(false);
    source.Buttons().Add(TcxEditButton{.Kind = bkEllipsis});
    source.SetBeepOnError(true);
    source.SetClearKey(0x2E);
    source.SetClickKey(0);
    source.SetUseLeftAlignmentOnEditing(false);
    source.SetDefaultValuesProvider(provider);
    source.Alignment().SetHorz(taCenter);
    source.Alignment().SetVert(taBottomJustify);
    source.SetImmediatePost(true);
    source.SetUseMouseWheel(false);
    source.SetValidateOnEnter(true);
    int calls[4] = {};
    source.OnButtonClick = [&calls](TObject*, int) { ++calls[0]; };
    source.OnChange = [&calls](TObject*) { ++calls[1]; };
    source.OnEditValueChanged = [&calls](TObject*) { ++calls[2]; };
    source.OnValidate = [&calls](TObject*, Variant&, std::wstring&, bool&) { ++calls[3]; };

    properties.SetReadOnly(true);
    announced = 0;
    properties.Assign(source);
    EXPECT_EQ(announced, 1);
    EXPECT_FALSE(properties.AutoSelect());
    ASSERT_EQ(properties.Buttons().Count(), 1);
    EXPECT_EQ(properties.Buttons().Items(0).Kind, bkEllipsis);
    EXPECT_TRUE(properties.BeepOnError());
    EXPECT_EQ(properties.ClearKey(), 0x2E);
    EXPECT_EQ(properties.ClickKey(), 0);
    EXPECT_FALSE(properties.UseLeftAlignmentOnEditing());
    EXPECT_EQ(properties.DefaultValuesProvider(), provider);
    EXPECT_EQ(properties.Alignment().Horz(), taCenter);
    EXPECT_EQ(properties.Alignment().Vert(), taBottomJustify);
    EXPECT_TRUE(properties.ImmediatePost());
    EXPECT_FALSE(properties.UseMouseWheel());
    EXPECT_TRUE(properties.ValidateOnEnter());
    // The source never assigned ReadOnly: the copy reads the provider's default again.
    EXPECT_FALSE(properties.IsReadOnlyStored());
    EXPECT_TRUE(properties.ReadOnly());
    // Every event comes across.
    ASSERT_TRUE(properties.OnButtonClick && properties.OnChange && properties.OnEditValueChanged &&
                properties.OnValidate);
    properties.OnButtonClick(nullptr, 0);
    properties.OnChange(nullptr);
    properties.OnEditValueChanged(nullptr);
    Variant display;
    std::wstring errorText;
    bool error = false;
    properties.OnValidate(nullptr, display, errorText, error);
    EXPECT_THAT(calls, ::testing::ElementsAre(1, 1, 1, 1));
}

TEST_F(PropertiesTest, AssignCopiesAnAssignedReadOnly) {
    TcxCustomEditProperties source;
    source.SetReadOnly(false);
    properties.SetDefaultValuesProvider(std::make_shared<ConfigurableProvider>());
    properties.Assign(source);
    EXPECT_TRUE(properties.IsReadOnlyStored());
    EXPECT_FALSE(properties.ReadOnly());
}

TEST_F(PropertiesTest, AssignRefusesOtherObjects) {
    TObject other;
    EXPECT_THROW(properties.Assign(other), EConvertError);
    properties.Assign(properties);
    EXPECT_EQ(announced, 0);
}

TEST_F(PropertiesTest, ValidationGivesADefaultTextThenAsksTheHandler) {
    TObject edit;
    Variant displayValue(L"12");
    std::wstring errorText;
    bool error = true;
    properties.CheckDisplayValue(displayValue, errorText, &edit, error);
    EXPECT_EQ(errorText, L"Invalid input value. Use escape key to abandon changes");

    properties.OnValidate = [&edit](TObject* sender, Variant& value, std::wstring& text,
                                    bool& failed) {
        EXPECT_EQ(sender, &edit);
        value = Variant(L"13");
        text = L"own";
        failed = false;
    };
    errorText = L"kept until the handler";
    properties.CheckDisplayValue(displayValue, errorText, &edit, error);
    EXPECT_EQ(displayValue, Variant(L"13"));
    EXPECT_EQ(errorText, L"own");
    EXPECT_FALSE(error);
}

struct FlaggedValues : TcxCustomEditPropertiesValues {
    bool MaxLength = false;
};

class FlaggedProperties : public TcxCustomEditProperties {
public:
    std::unique_ptr<TcxCustomEditPropertiesValues> AssignedValuesClass() const override {
        return std::make_unique<FlaggedValues>();
    }
};

TEST(EditPropertiesKinds, AssignedValuesAreOfTheKindsClass) {
    FlaggedProperties properties;
    EXPECT_NE(dynamic_cast<FlaggedValues*>(&properties.AssignedValues()), nullptr);
}

class RecordingItemListener : public IcxEditRepositoryItemListener {
public:
    void ItemPropertiesChanged(TcxEditRepositoryItem&) override { events.push_back("changed"); }
    void ItemRemoved(TcxEditRepositoryItem&) override { events.push_back("removed"); }
    std::vector<std::string> events;
};

TEST(EditRepository, ItemSharesItsPropertiesAndTellsItsEdits) {
    TcxEditRepository repository;
    auto& item = repository.CreateItem(L"Amount", [](IcxEditPropertiesOwner* owner) {
        return std::make_unique<TcxCustomEditProperties>(owner);
    });
    RecordingItemListener edit;
    item.AddListener(edit);
    item.AddListener(edit);
    item.Properties().SetReadOnly(true);
    item.Properties().SetBeepOnError(true);
    EXPECT_EQ(&repository.Items(0), &item);
    repository.RemoveItem(item);
    EXPECT_EQ(repository.Count(), 0);
    EXPECT_EQ(edit.events, (std::vector<std::string>{"changed", "removed"}));
}

class LinkedEdit : public IcxEditPropertiesOwner {
public:
    bool IsDestroying() const override { return destroying; }
    bool destroying = false;
};

// The edit hears the changes of the properties in use, and of its own only while no item is set
// and loading has not detached them.
TEST(EditRepositoryLink, TheEditHearsThePropertiesInUse) {
    using Steps = std::function<void(TcxEditRepositoryLink&, TcxEditRepository&,
                                     TcxEditRepositoryItem&, LinkedEdit&)>;
    struct Row {
        const char* name;
        Steps steps;
        bool ownHeard;
        bool itemInUse;
    };
    const Row rows[] = {
        {"own", [](auto&, auto&, auto&, auto&) {}, true, false},
        {"an item set", [](auto& link, auto&, auto& item, auto&) { link.SetItem(&item, true); },
         false, true},
        {"the item left",
         [](auto& link, auto&, auto& item, auto&) {
             link.SetItem(&item, true);
             link.SetItem(nullptr, true);
         },
         true, false},
        {"the item left while loading",
         [](auto& link, auto&, auto& item, auto&) {
             link.SetItem(&item, true);
             link.SetItem(nullptr, false);
         },
         false, false},
        {"loading", [](auto& link, auto&, auto&, auto&) { link.DetachOwnHook(); }, false, false},
        {"the item removed",
         [](auto& link, auto& repository, auto& item, auto&) {
             link.SetItem(&item, true);
             repository.RemoveItem(item);
         },
         true, false},
        {"the item removed while destroying",
         [](auto& link, auto& repository, auto& item, auto& edit) {
             link.SetItem(&item, true);
             edit.destroying = true;
             repository.RemoveItem(item);
             edit.destroying = false;
         },
         false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TcxEditRepository repository;
        auto& item = repository.CreateItem(L"item", [](IcxEditPropertiesOwner* owner) {
            return std::make_unique<TcxCustomEditProperties>(owner);
        });
        LinkedEdit edit;
        int heard = 0;
        TcxEditRepositoryLink link(
            edit,
            [](IcxEditPropertiesOwner* owner) {
                return std::make_unique<TcxCustomEditProperties>(owner);
            },
            [&heard] { ++heard; });
        row.steps(link, repository, item, edit);
        EXPECT_EQ(link.Item(), row.itemInUse ? &item : nullptr);
        EXPECT_EQ(&link.InUse(), row.itemInUse ? &item.Properties() : &link.Own());
        heard = 0;
        link.Own().SetReadOnly(true);
        EXPECT_EQ(heard, row.ownHeard ? 1 : 0);
        if (row.itemInUse) {
            item.Properties().SetReadOnly(true);
            EXPECT_EQ(heard, 1);
        }
    }
}

} // namespace
} // namespace velkaro
