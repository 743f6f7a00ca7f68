#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <deque>
#include <exception>
#include <random>
#include <string>
#include <string_view>
#include <vector>

// Draws that every standard library makes alike, so that a seed replays anywhere.
struct SoakRandom {
    std::mt19937_64 engine;
    int Below(int count) { return static_cast<int>(engine() % static_cast<std::uint64_t>(count)); }
    double Between(double low, double high) {
        return low + (high - low) * static_cast<double>(engine() >> 11) * 0x1p-53;
    }
    template <class T, std::size_t N>
    const T& OneOf(const T (&items)[N]) {
        return items[static_cast<std::size_t>(Below(static_cast<int>(N)))];
    }
};

// Which sequence a soak replays and how long: PREFIX_SOAK_SEED and
// PREFIX_SOAK_EVENTS may name both; without them the run is the same every time.
struct SoakRun {
    std::string prefix;
    std::uint64_t seed = 20261206;
    std::uint64_t events = 100'000;

    explicit SoakRun(std::string name) : prefix(std::move(name)) {
        for (auto [suffix, value] : {std::pair{"_SOAK_SEED", &seed}, {"_SOAK_EVENTS", &events}}) {
            const char* text = std::getenv((prefix + suffix).c_str());
            if (text != nullptr && *text != '\0') *value = std::strtoull(text, nullptr, 10);
        }
    }
};

// Non-printable bytes as ?, long texts cut, so a failing event can be read.
inline std::string Printable(std::string_view text, std::size_t longest = 60) {
    std::string shown(text.substr(0, longest));
    for (char& c : shown) c = c >= 32 && c < 127 ? c : '?';
    if (text.size() > longest) shown += "... (" + std::to_string(text.size()) + " bytes)";
    return shown;
}

// Runs `step` (which names its event in `what` and gives the problems it left)
// until the run is over or an event breaks something or throws; a failure
// names the event, the ones before it and how to replay the run.
template <class Step>
void RunSoak(const SoakRun& run, Step step) {
    std::deque<std::string> trail;
    for (std::uint64_t done = 1; done <= run.events; ++done) {
        std::string what;
        std::vector<std::string> problems;
        try {
            problems = step(what);
        } catch (const std::exception& error) {
            problems.push_back(std::string("it threw: ") + error.what());
        }
        trail.push_back(Printable(what));
        if (trail.size() > 16) trail.pop_front();
        if (problems.empty()) continue;
        std::string text = "event " + std::to_string(done) + " broke the window:";
        for (const std::string& problem : problems) text += "\n  " + problem;
        text += "\nlast events:";
        for (const std::string& event : trail) text += "\n  " + event;
        ADD_FAILURE() << text << "\nreplay with " << run.prefix << "_SOAK_SEED=" << run.seed << " "
                      << run.prefix << "_SOAK_EVENTS=" << done;
        return;
    }
}
