#pragma once

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <iostream>
#include <map>
#include <string>
#include <string_view>

// Which sequence a soak replays and how much of it: the environment may name
// both; without it the run is the same every time.
struct SoakRun {
    std::uint64_t seed;
    std::uint64_t events;
};

inline std::uint64_t EnvironmentNumber(const char* name, std::uint64_t fallback) {
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::strtoull(text, nullptr, 10) : fallback;
}

inline SoakRun SoakRunFromEnvironment(const char* seedName, const char* eventsName) {
    return {EnvironmentNumber(seedName, 20261206), EnvironmentNumber(eventsName, 100'000)};
}

// Counts the events by handler and reports the run, so that a figure that
// looks wrong (a handler never reached) shows at once.
class EventTally {
  public:
    void Count(std::string_view handler) {
        auto found = counts_.find(handler);
        if (found == counts_.end()) found = counts_.emplace(std::string(handler), 0).first;
        ++found->second;
    }
    std::uint64_t Of(std::string_view handler) const {
        auto found = counts_.find(handler);
        return found == counts_.end() ? 0 : found->second;
    }
    void Report(const SoakRun& run, std::uint64_t eventsRun,
                std::chrono::steady_clock::duration elapsed) const {
        std::cout << "seed " << run.seed << ", " << eventsRun << " events in "
                  << std::chrono::duration<double>(elapsed).count() << " s\n";
        for (const auto& [handler, count] : counts_) {
            std::cout << "  " << handler << ": " << count << "\n";
        }
    }

  private:
    std::map<std::string, std::uint64_t, std::less<>> counts_;
};

// Non-printable bytes as \xNN and long texts cut, so a failing event can be read.
inline std::string Printable(std::string_view text, std::size_t longest = 60) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string shown;
    for (unsigned char c : text.substr(0, longest)) {
        if (c >= 32 && c < 127) {
            shown.push_back(static_cast<char>(c));
        } else {
            shown += {'\\', 'x', kHex[c >> 4], kHex[c & 15]};
        }
    }
    if (text.size() > longest) shown += "... (" + std::to_string(text.size()) + " bytes)";
    return shown;
}

// The last events of a run, for the report of a failure.
class EventTrail {
  public:
    void Add(std::string event) {
        if (events_.size() == kKept) events_.pop_front();
        events_.push_back(std::move(event));
    }
    std::string Text() const {
        std::string text;
        for (const std::string& event : events_) text += "\n  " + event;
        return text;
    }

  private:
    static constexpr std::size_t kKept = 16;
    std::deque<std::string> events_;
};
