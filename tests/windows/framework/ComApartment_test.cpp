// COM for the thread that holds the object, and only for its lifetime.
#include "framework/ComApartment.h"

#include <gtest/gtest.h>

#include <objbase.h>

#include <thread>

namespace velkaro {
namespace {

// On threads of their own: the test program's main thread is not to be changed.
TEST(ComApartment, SingleThreadedForItsLifetime) {
    std::thread([] {
        {
            const TComApartment apartment;
            // A thread in a single-threaded apartment cannot join the multithreaded one.
            EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), RPC_E_CHANGED_MODE);
        }
        const HRESULT joined = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        EXPECT_EQ(joined, S_OK) << "the apartment was not left";
        if (SUCCEEDED(joined)) {
            CoUninitialize();
        }
    }).join();
}

TEST(ComApartment, LeavesAnotherApartmentAsItWas) {
    std::thread([] {
        ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
        { const TComApartment apartment; }
        // Still in the multithreaded apartment: joining again only counts.
        EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_FALSE);
        CoUninitialize();
        CoUninitialize();
    }).join();
}

} // namespace
} // namespace velkaro
