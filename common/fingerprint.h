#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

// FNV-1a, 64 bits, over a list of fields: stable across platforms and builds,
// which std::hash is not.
class Fingerprint {
  public:
    Fingerprint& Add(std::string_view field) {
        for (char c : field) Mix(static_cast<unsigned char>(c));
        Mix(0xff);  // ends each field, so that "ab","c" differs from "a","bc"
        return *this;
    }
    std::uint64_t Value() const { return hash_; }
    std::string Text() const {
        char text[17];
        std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash_));
        return text;
    }

  private:
    void Mix(unsigned byte) {
        hash_ ^= byte;
        hash_ *= 0x100000001b3ULL;
    }

    std::uint64_t hash_ = 0xcbf29ce484222325ULL;
};
