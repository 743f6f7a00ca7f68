#include "command_line.h"

#include <string>

#include "acquisition_buttons.h"
#include "parameter_lines.h"

namespace {

// Replaces the value of every parameter line whose name field is `name` cut or
// padded to the field's width, and lists the lines afresh.
void Assign(Kymbral& k, const std::string& name, const std::string& value) {
    std::string key = (name + std::string(kParameterNameWidth, ' ')).substr(0, kParameterNameWidth);
    ListBox& list = k.form.ParametersListBox;
    list.Clear();
    for (int i = 0; i < kParameterCount; ++i) {
        std::string& line = k.state.ParamLines[i];
        if (line.compare(0, kParameterNameWidth, key) == 0) line = key + value;
        list.AddItem(line);
    }
}

}  // namespace

void KeyboardInput_KeyUp(Kymbral& k, int keyCode) {
    if (keyCode != kEnterKey) return;
    std::string command = k.form.KeyboardInput.text;
    k.form.KeyboardInput.text.clear();

    std::size_t equals = command.find('=');
    if (equals != std::string::npos)
        Assign(k, command.substr(0, equals), command.substr(equals + 1));
    ParseParameterLines(k.state);

    if (command == "ga") {
        k.form.Restart.caption = "GA";
        Restart_Click(k);
    }
}
