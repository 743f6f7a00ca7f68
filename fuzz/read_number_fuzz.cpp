// Reading any bytes as a number, and writing numbers back as text, never
// crashes, never yields NaN, and what is written reads back as what was meant.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

#include "non_finite_text.h"
#include "numtext.h"

namespace {

void Require(bool holds, const char* what, std::string_view text) {
    if (holds) return;
    std::fprintf(stderr, "%s: \"%.*s\"\n", what, static_cast<int>(text.size()), text.data());
    std::abort();
}

// Text of `significant` digits reads back within half a unit of its last digit.
bool Close(double back, double value, double significant) {
    double unit = std::pow(10.0, 1 - significant);
    return std::abs(back - value) <=
           0.51 * unit * std::abs(value) + std::numeric_limits<double>::denorm_min();
}

void CheckNumberText(double value) {
    std::string text = NumberText(value);
    double back = ReadNumber(text);
    Require(Close(back, value, 15), "NumberText does not read back", text);
    Require(NumberText(back) == text, "NumberText is not stable", text);
    Require(!ShowsNonFinite(text), "NumberText of a finite value", text);

    auto single = static_cast<float>(value);
    if (!std::isfinite(single)) return;
    std::string singleText = NumberText(single);
    Require(Close(ReadNumber(singleText), single, 7), "single NumberText does not read back",
            singleText);
}

// The patterns "0", "0.0", "0.00", "0.000": within half a unit of the last decimal.
void CheckFixedText(double value) {
    for (int decimals = 0; decimals <= 3; ++decimals) {
        std::string text = FixedText(value, decimals);
        double back = ReadNumber(text);
        double tolerance = 0.5 * std::pow(10.0, -decimals) * (1 + 1e-9) +
                           std::abs(value) * std::numeric_limits<double>::epsilon();
        Require(std::abs(back - value) <= tolerance, "FixedText does not read back", text);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    double value = ReadNumber(input);
    Require(!std::isnan(value), "ReadNumber gave NaN", input);
    if (!std::isfinite(value)) return 0;
    CheckNumberText(value);
    CheckFixedText(value);
    return 0;
}
