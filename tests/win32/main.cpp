// The Windows program's windows, tested in this process on the Win32
// runtime. A test that hangs (a modal loop nobody ends) fails the run
// instead of holding it.
#include "layer/application.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <thread>

namespace {

constexpr DWORD kTestLimitMs = 60000;
std::atomic<DWORD> testStarted{0};

class Watchdog : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo &) override { testStarted = GetTickCount(); }
};

} // namespace

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new Watchdog);
    ui::Application app(argc, argv, "Dravomel");
    std::thread([] {
        for (;;) {
            Sleep(250);
            const DWORD started = testStarted;
            if (started != 0 && GetTickCount() - started > kTestLimitMs) {
                std::fprintf(stderr, "A test ran over %lu s: stuck in a loop nobody ends.\n",
                             static_cast<unsigned long>(kTestLimitMs / 1000));
                std::fflush(stderr);
                TerminateProcess(GetCurrentProcess(), 3);
            }
        }
    }).detach();
    return RUN_ALL_TESTS();
}
