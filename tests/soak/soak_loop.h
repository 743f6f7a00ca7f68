#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "soak_run.h"

// Runs a driver's events until the run is over or one breaks something; a
// failure names the event, the last events before it and how to replay it.
// Returns the number of events run.
template <typename Driver>
std::uint64_t RunSoak(const SoakRun& run, const char* seedName, const char* eventsName,
                      Driver& driver, EventTally& tally) {
    EventTrail trail;
    auto started = std::chrono::steady_clock::now();
    std::uint64_t done = 0;
    while (done < run.events) {
        auto out = driver.Step();
        ++done;
        tally.Count(out.handler);
        trail.Add(std::string(out.handler) + " " + out.detail);
        if (out.problems.empty()) continue;
        std::string problems;
        for (const std::string& problem : out.problems) problems += "\n  " + problem;
        ADD_FAILURE() << "event " << done << " broke the window:" << problems
                      << "\nlast events:" << trail.Text() << "\nreplay with " << seedName << "="
                      << run.seed << " " << eventsName << "=" << done;
        break;
    }
    tally.Report(run, done, std::chrono::steady_clock::now() - started);
    return done;
}
