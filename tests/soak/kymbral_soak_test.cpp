#include "kymbral_driver.h"
#include "soak_loop.h"

TEST(KymbralSoak, EveryHandlerUnderHostileUseKeepsTheWindowSound) {
    SoakRun run = SoakRunFromEnvironment("KYMBRAL_SOAK_SEED", "KYMBRAL_SOAK_EVENTS");
    KymbralDriver driver(run.seed);
    EventTally tally;
    std::uint64_t done = RunSoak(run, "KYMBRAL_SOAK_SEED", "KYMBRAL_SOAK_EVENTS", driver, tally);
    // Too short a run may miss a rare handler; a full one must reach them all.
    if (done < 10'000) return;
    for (const KymbralEvent& event : KymbralEvents()) {
        EXPECT_GT(tally.Of(event.handler), 0u) << event.handler << " never ran";
    }
}
