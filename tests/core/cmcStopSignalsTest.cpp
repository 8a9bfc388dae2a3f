#include <gtest/gtest.h>

#include <csignal>

#include "cmcStopSignals.h"

// The first stop signal is only a request; a second, of any of the three,
// ends the program at once; the handlers found are restored afterwards.
TEST(StopSignalsDeathTest, TheFirstSignalIsARequestTheSecondEndsTheProgram) {
    EXPECT_EXIT(
        {
            cmcStopSignals signals;
            std::raise(SIGHUP);
            if (cmcStopSignals::Received() != SIGHUP) {
                std::_Exit(1);
            }
            std::raise(SIGTERM);
            std::_Exit(0);
        },
        ::testing::KilledBySignal(SIGTERM), "");
}

// Afterwards no request is left over for whoever polls next in the process.
TEST(StopSignals, TheHandlersFoundAreRestoredAndTheRequestCleared) {
    struct sigaction before {};
    sigaction(SIGINT, nullptr, &before);
    {
        cmcStopSignals signals;
        EXPECT_EQ(cmcStopSignals::Received(), 0);
        std::raise(SIGINT);
        EXPECT_EQ(cmcStopSignals::Received(), SIGINT);
        struct sigaction during {};
        sigaction(SIGINT, nullptr, &during);
        EXPECT_NE(during.sa_handler, before.sa_handler);
    }
    struct sigaction after {};
    sigaction(SIGINT, nullptr, &after);
    EXPECT_EQ(after.sa_handler, before.sa_handler);
    EXPECT_EQ(cmcStopSignals::Received(), 0);
}
