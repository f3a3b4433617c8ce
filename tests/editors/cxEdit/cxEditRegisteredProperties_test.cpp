#include "editors/cxEdit/cxEditRegisteredProperties.h"

#include "runtime/Exceptions.h"

#include <gtest/gtest.h>

namespace velkaro {
namespace {

TEST(RegisteredEditProperties, RegistrationLastsAsLongAsItsObject) {
    auto& list = GetRegisteredEditProperties();
    const int before = list.Count();
    {
        TcxEditPropertiesRegistration first(L"TcxTestProperties", L"Test|First");
        TcxEditPropertiesRegistration other(L"TcxOtherProperties", L"Other|Second");
        ASSERT_EQ(list.Count(), before + 2);
        ASSERT_NE(list.Find(L"TcxTestProperties"), nullptr);
        EXPECT_EQ(list.Find(L"TcxTestProperties")->Description, L"Test|First");
        EXPECT_EQ(list.Items(before + 1).ClassName, L"TcxOtherProperties");

        list.Register(L"TcxTestProperties", L"Test|Again");
        EXPECT_EQ(list.Count(), before + 2);
        EXPECT_EQ(list.Items(before).Description, L"Test|Again");
    }
    EXPECT_EQ(list.Count(), before);
    EXPECT_EQ(list.Find(L"TcxTestProperties"), nullptr);
    EXPECT_THROW(list.Items(list.Count()), Exception);
    EXPECT_THROW(list.Items(-1), Exception);
}

} // namespace
} // namespace velkaro
