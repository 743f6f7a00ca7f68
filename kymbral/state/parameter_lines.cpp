#include "parameter_lines.h"

#include <string>
#include <variant>

#include "numtext.h"

const std::array<std::string_view, kParameterCount> kStartupParameterLines = {
    "sfrq   399.908", "tn     H1", "at     30",      "tpwr   57", "pw     1.00", "d1     0",
    "nt     1",       "ct     1",  "dfrq   399.908", "dn     H1", "dm     nnn",  "p1     0",
};

namespace {

using ParameterField = std::variant<double SimulatorState::*, std::string SimulatorState::*>;

// The field that line i feeds.
const std::array<ParameterField, kParameterCount> kParameterFields = {
    &SimulatorState::sfrq, &SimulatorState::tn, &SimulatorState::at, &SimulatorState::tpwr,
    &SimulatorState::pw,   &SimulatorState::d1, &SimulatorState::nt, &SimulatorState::ct,
    &SimulatorState::dfrq, &SimulatorState::dn, &SimulatorState::dm, &SimulatorState::p1,
};

std::string_view ValueText(std::string_view line) {
    return line.size() > kParameterNameWidth ? line.substr(kParameterNameWidth)
                                             : std::string_view{};
}

struct StoreValue {
    SimulatorState& state;
    std::string_view value;
    void operator()(double SimulatorState::*field) const { state.*field = ReadNumber(value); }
    void operator()(std::string SimulatorState::*field) const { state.*field = std::string(value); }
};

}  // namespace

void ParseParameterLines(SimulatorState& state) {
    for (std::size_t i = 0; i < kParameterFields.size(); ++i) {
        std::visit(StoreValue{state, ValueText(state.ParamLines[i])}, kParameterFields[i]);
    }
}
