#include "soak_loop.h"
#include "tessivar_driver.h"

TEST(TessivarSoak, ClicksAnywhereKeepTheShowScoredAndInRange) {
    SoakRun run = SoakRunFromEnvironment("TESSIVAR_SOAK_SEED", "TESSIVAR_SOAK_EVENTS");
    TessivarDriver driver(run.seed);
    EventTally tally;
    std::uint64_t done = RunSoak(run, "TESSIVAR_SOAK_SEED", "TESSIVAR_SOAK_EVENTS", driver, tally);
    if (done < 10'000) return;
    for (const char* handler :
         {"Picture1_MouseUp going on", "Picture1_MouseUp going back", "Picture1_MouseUp missing",
          "Picture1_MouseUp ending the show", "Picture1_MouseMove"}) {
        EXPECT_GT(tally.Of(handler), 0u) << handler << " never happened";
    }
}
