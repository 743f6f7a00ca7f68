#pragma once

#include <utility>

#include "acquisition_buttons.h"
#include "answer_check.h"
#include "command_line.h"
#include "eject_insert.h"
#include "gradient_shim.h"
#include "help.h"
#include "knobs.h"
#include "kymbral.h"
#include "scramble_levels.h"
#include "shim_axis.h"
#include "timer_tick.h"
#include "unknown_sample.h"

// Which handler each control's events call, for any view that offers
// OnClick, OnMouseUp, OnKeyUp and BindTimer taking the control and a callable.
template <class View>
void BindMainFormEvents(View& view, Kymbral& k) {
    MainForm& f = k.form;
    const std::pair<Button*, void (*)(Kymbral&)> clicks[] = {
        {&f.Insert, Insert_Click},
        {&f.Eject, Eject_Click},
        {&f.Restart, Restart_Click},
        {&f.Simulator, Simulator_Click},
        {&f.GradientShim, GradientShim_Click},
        {&f.ScrambleEasy, ScrambleEasy_Click},
        {&f.Scramble, Scramble_Click},
        {&f.ScrambleHard, ScrambleHard_Click},
        {&f.SampleScramble, SampleScramble_Click},
        {&f.Walkup, Walkup_Click},
        {&f.Help, Help_Click},
    };
    for (auto [button, handler] : clicks) {
        // A copy of its own: clang before 16 cannot capture a structured binding.
        auto call = handler;
        view.OnClick(*button, [&k, call] { call(k); });
    }
    for (int i = 0; i < kKnobCount; ++i) {
        view.OnMouseUp(f.KeyIn[i], [&k, i](int button) { KeyIn_MouseUp(k, i, button); });
    }
    view.OnClick(f.ShimXLabel, [&k] { ShimXLabel_Click(k); });
    view.OnClick(f.ShimYLabel, [&k] { ShimYLabel_Click(k); });
    view.OnKeyUp(f.KeyboardInput, [&k](int key) { KeyboardInput_KeyUp(k, key); });
    view.BindTimer(f.Timer1, [&k] { Timer1_Timer(k); });
}
