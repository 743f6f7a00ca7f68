#include "hostile_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <span>
#include <string_view>

namespace {

constexpr std::array<std::string_view, 9> kOrdinary = {"0",   "-0",  "-3",   "1",   "2",
                                                       "0.5", "0.8", "1000", "1e15"};

// Beyond a double's range either way, or longer than it can hold.
constexpr std::array<std::string_view, 6> kBeyondRange = {
    "1e999", "-1e999", "1e-999", "1e2147483648", "1e-2147483649", "99999999999999999999999"};

// The largest, the smallest and the subnormal doubles, and where a flip angle overflows.
constexpr std::array<std::string_view, 9> kAtTheEdges = {
    "1e-320", "-1e-320", "4.9e-324", "2.2250738585072014e-308", "1.7976931348623157e308", "1e308",
    "9e307",  "1.5e308", "-1.5e308"};

constexpr std::array<std::string_view, 12> kNotNumbers = {
    "nan", "NaN", "-nan", "inf", "-inf", "Infinity", "", "  ", "e5", ".", "-", "+"};

constexpr std::array<std::string_view, 9> kNearlyNumbers = {"1e",  "1e+", "+.5",   "-.5e-3", " 3 ",
                                                            "3 5", "1,5", "0x1p3", "\t5"};

constexpr std::array<std::string_view, 12> kParameterNames = {
    "sfrq", "tn", "at", "tpwr", "pw", "d1", "nt", "ct", "dfrq", "dn", "dm", "p1"};

constexpr std::array<std::string_view, 10> kNearMisses = {"GA",  "Ga",    " ga", "ga ", "ga\r",
                                                          "g a", "a=b=c", "=5",  "==",  "pw==3"};

int Below(SoakRandom& random, std::size_t count) {
    return random.Below(static_cast<int>(count));
}

template <std::size_t N>
std::string OneOf(SoakRandom& random, const std::array<std::string_view, N>& texts) {
    return std::string(texts[static_cast<std::size_t>(Below(random, N))]);
}

std::string Bytes(SoakRandom& random, int length, int lowest, int highest) {
    std::string text;
    for (int i = 0; i < length; ++i) {
        text.push_back(static_cast<char>(lowest + Below(random, highest - lowest + 1)));
    }
    return text;
}

// A finite double anywhere in the range, written with 1 to 17 significant digits.
std::string AnyMagnitude(SoakRandom& random) {
    double mantissa = random.Between(1, 10);
    double value = mantissa * std::pow(10.0, Below(random, 634) - 326);
    if (Below(random, 2) == 0) value = -value;
    char buffer[64];
    int digits = 1 + Below(random, 17);
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
    return std::string(buffer, result.ptr);
}

std::string Assignment(SoakRandom& random) {
    std::string name = OneOf(random, kParameterNames);
    const std::array<std::string, 6> names = {name, name + " ", " " + name, name + "xxxxxxxxx",
                                              "PW", ""};
    std::string value =
        Below(random, 50) == 0 ? Bytes(random, 10'000, 32, 126) : HostileNumber(random);
    return names[Below(random, 8) < 6 ? 0 : static_cast<std::size_t>(Below(random, 6))] + "=" +
           value;
}

struct Kind {
    int weight;
    std::string (*make)(SoakRandom&);
};

std::string Pick(SoakRandom& random, std::span<const Kind> kinds) {
    int total = 0;
    for (const Kind& kind : kinds) total += kind.weight;
    int draw = Below(random, static_cast<std::size_t>(total));
    for (const Kind& kind : kinds) {
        if ((draw -= kind.weight) < 0) return kind.make(random);
    }
    return {};
}

using R = SoakRandom;

constexpr Kind kNumbers[] = {
    {3, AnyMagnitude},
    {1, [](R& r) { return std::to_string(Below(r, 111) - 10); }},
    {2, [](R& r) { return std::to_string(r.Between(0.001, 5)); }},
    {1, [](R& r) { return std::string(static_cast<std::size_t>(1 + Below(r, 400)), '9'); }},
    {1,
     [](R& r) { return "0." + std::string(static_cast<std::size_t>(Below(r, 400)), '0') + "1"; }},
    {1, [](R& r) { return OneOf(r, kOrdinary); }},
    {1, [](R& r) { return OneOf(r, kBeyondRange); }},
    {1, [](R& r) { return OneOf(r, kAtTheEdges); }},
    {1, [](R& r) { return OneOf(r, kNotNumbers); }},
    {1, [](R& r) { return OneOf(r, kNearlyNumbers); }},
};

constexpr Kind kCommands[] = {
    {1, [](R&) { return std::string(); }},
    {1, [](R& r) { return Bytes(r, 10'000, 0, 255); }},
    {1, [](R& r) { return std::string(static_cast<std::size_t>(1 + Below(r, 10'000)), '='); }},
    {1, [](R&) { return std::string("="); }},
    {1, [](R& r) { return Bytes(r, 1 + Below(r, 20), 0, 31) + "\x7f"; }},
    {1, [](R& r) { return Bytes(r, 1 + Below(r, 20), 128, 255) + "=" + Bytes(r, 3, 128, 255); }},
    {2, [](R&) { return std::string("ga"); }},
    {1, [](R& r) { return OneOf(r, kNearMisses); }},
    {1, [](R& r) { return Bytes(r, 1 + Below(r, 40), 32, 126); }},
    {10, Assignment},
};

constexpr std::array<std::string_view, 8> kPictureNames = {
    "a.jpg", "b.png", "a.jpg", "b.png", "../a.jpg", "", "/b.png", "c\x01.jpg"};
constexpr std::array<std::string_view, 8> kSeparators = {",",  ",",    ",",  ",",
                                                         "\"", "\r\n", "\n", "\r"};

// A field as a spreadsheet or a careless hand writes it: quoted or not,
// with quotes, separators and line breaks inside, the quote now and then
// left open.
std::string DeckField(R& random, const std::string& value, bool careful) {
    if (!careful && Below(random, 3) > 0) return value;
    std::string quoted = "\"";
    for (char c : value) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + (!careful && Below(random, 20) == 0 ? "" : "\"");
}

std::string DeckValue(R& random, int field, bool careful) {
    // The first four names are good ones.
    if (field == 0) return std::string(kPictureNames[Below(random, careful ? 4 : 8)]);
    if (field == 1) {
        return Below(random, 4) == 0
                   ? HostileCommand(random)
                   : Bytes(random, Below(random, 80), 32, 126) + OneOf(random, kSeparators);
    }
    if (!careful && Below(random, 3) == 0) return HostileNumber(random);
    // Within a 1239 x 705 picture; fields past the sixth as the height.
    const int largest[] = {0, 0, 1000, 500, 200, 200};
    return std::to_string((field < 4 ? 0 : 1) + Below(random, largest[std::min(field, 5)]));
}

// A careful row has six fields, proper quoting and whole numbers; a careless
// one has none of these for sure.
std::string DeckRow(R& random, bool careful) {
    std::string row;
    int fields = careful || Below(random, 10) < 8 ? 6 : Below(random, 9);
    for (int i = 0; i < fields; ++i) {
        if (i > 0) row += careful || Below(random, 10) > 0 ? "," : OneOf(random, kSeparators);
        row += DeckField(random, DeckValue(random, i, careful), careful);
    }
    return row;
}

}  // namespace

std::string HostileDeck(SoakRandom& random) {
    bool careful = Below(random, 2) == 0;
    std::string deck = Below(random, 4) == 0 ? "\xEF\xBB\xBF" : "";
    if (careful || Below(random, 8) > 0) deck += "picture,text,left,top,width,height\r\n";
    int rows = Below(random, 40);
    for (int i = 0; i < rows; ++i) {
        deck += DeckRow(random, careful) + (Below(random, 6) == 0 ? "\n" : "\r\n");
    }
    return deck;
}

std::string HostileNumber(SoakRandom& random) {
    return Pick(random, kNumbers);
}

std::string HostileCommand(SoakRandom& random) {
    return Pick(random, kCommands);
}
