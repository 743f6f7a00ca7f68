#include "kymbral_window.h"

#include <QImage>
#include <QTimer>

#include "acquisition_buttons.h"
#include "answer_check.h"
#include "command_line.h"
#include "eject_insert.h"
#include "form_activate.h"
#include "form_load.h"
#include "gradient_shim.h"
#include "help.h"
#include "knobs.h"
#include "main_form_layout.h"
#include "qt_appearance.h"
#include "qt_message_boxes.h"
#include "qt_waiter.h"
#include "scramble_levels.h"
#include "shim_axis.h"
#include "synced_message_boxes.h"
#include "timer_tick.h"
#include "unknown_sample.h"

namespace {

// Painted in this order: shapes, then lines, then labels, so that the panel
// Shape1 lies under LockFID, the tube under the magnet's outlines, the axes
// under the nuclei and the meter's hands under Info.
void AddSurface(FormView& view, MainForm& f) {
    for (ShapeFigure* shape : {&f.Shape1, &f.NMRTube, &f.Shape8, &f.Shape7, &f.Shape2, &f.Shape10,
                               &f.Shape9, &f.Shape3, &f.Shape4, &f.Shape5, &f.Shape6}) {
        view.Add(*shape);
    }
    for (LineFigure* line : {&f.Line1, &f.Line2, &f.Line3, &f.Line4, &f.Nucleus1, &f.Nucleus1N,
                             &f.Nucleus1xy, &f.Nucleus1Nxy, &f.Nucleus2, &f.Nucleus2N,
                             &f.Nucleus2xy, &f.Nucleus2Nxy, &f.LockLine1, &f.LockLine2}) {
        view.Add(*line);
    }
    for (Label* label : {&f.ShimYLabel, &f.ShimXLabel, &f.Label6, &f.Label17, &f.Label16,
                         &f.Label15, &f.Label14, &f.Label7, &f.Angle1Label, &f.Label19,
                         &f.Angle2Label, &f.Label20, &f.Label1, &f.Label3, &f.Label2, &f.Label0,
                         &f.Label4, &f.Label13, &f.Info, &f.Info2, &f.SpinLabel, &f.Label18,
                         &f.LockFID, &f.MxLabel, &f.TimeLabel, &f.Label8, &f.Label5, &f.Label10,
                         &f.Label11, &f.Label12}) {
        view.Add(*label);
    }
    for (Label& label : f.ShimLabel) view.Add(label);
}

void AddWidgets(FormView& view, MainForm& f) {
    view.Add(f.KeyboardInput);
    for (PictureBox* picture : {&f.PlotPeakShape, &f.PlotBField, &f.PlotFID}) view.Add(*picture);
    view.Add(f.Label9, f.PlotPeakShape);
    for (Button* button : {&f.Restart, &f.Simulator, &f.Insert, &f.Eject, &f.GradientShim,
                           &f.SpinOn, &f.SpinOff, &f.Walkup, &f.ScrambleEasy, &f.Scramble,
                           &f.ScrambleHard, &f.SampleScramble, &f.Help}) {
        view.Add(*button);
    }
    for (Button& knob : f.KeyIn) view.Add(knob);
    view.Add(f.AutoGainCheck);
    view.Add(f.ParametersListBox);
    for (TextBox* box : {&f.PW90Value, &f.T1Value, &f.T2Value}) view.Add(*box);
}

void BindEvents(FormView& view, Kymbral& k) {
    MainForm& f = k.form;
    auto click = [&](Button& button, void (*handler)(Kymbral&)) {
        view.OnClick(button, [&k, handler] { handler(k); });
    };
    click(f.Insert, Insert_Click);
    click(f.Eject, Eject_Click);
    click(f.Restart, Restart_Click);
    click(f.Simulator, Simulator_Click);
    click(f.GradientShim, GradientShim_Click);
    click(f.ScrambleEasy, ScrambleEasy_Click);
    click(f.Scramble, Scramble_Click);
    click(f.ScrambleHard, ScrambleHard_Click);
    click(f.SampleScramble, SampleScramble_Click);
    click(f.Walkup, Walkup_Click);
    click(f.Help, Help_Click);
    for (int i = 0; i < kKnobCount; ++i) {
        view.OnMouseUp(f.KeyIn[i], [&k, i](int button) { KeyIn_MouseUp(k, i, button); });
    }
    view.OnClick(f.ShimXLabel, [&k] { ShimXLabel_Click(k); });
    view.OnClick(f.ShimYLabel, [&k] { ShimYLabel_Click(k); });
    view.OnKeyUp(f.KeyboardInput, [&k](int key) { KeyboardInput_KeyUp(k, key); });
    view.BindTimer(f.Timer1, [&k] { Timer1_Timer(k); });
}

}  // namespace

KymbralWindow::KymbralWindow(Clock& clock, MessageBoxes* messages) {
    UseEmbeddedFonts();  // before anything is drawn
    if (messages == nullptr) {
        ownMessages_ = std::make_unique<QtMessageBoxes>(&view);
        messages = ownMessages_.get();
    }
    syncedMessages_ = std::make_unique<SyncedMessageBoxes>(view, *messages);
    waiter_ = std::make_unique<QtWaiter>(view);
    kymbral_ = std::make_unique<Kymbral>(clock, *syncedMessages_, *waiter_);
    kymbral_->form = MakeMainForm();

    view.setObjectName("Kymbral");
    view.setWindowTitle(kFormCaption);
    view.resize(kFormWidth / 15, kFormHeight / 15);
    // The picture is wider than the window; an enlarged window shows the
    // plain form beside it, not the rest of the picture.
    QImage background(":/kymbral/console_background.jpg");
    view.SetBackground(background.copy(background.rect().intersected(view.rect())));
    AddSurface(view, kymbral_->form);
    AddWidgets(view, kymbral_->form);
    BindEvents(view, *kymbral_);
}

KymbralWindow::~KymbralWindow() = default;

void KymbralWindow::Open() {
    Form_Load(*kymbral_);
    view.Sync();
    view.show();
    // The one window is activated once, when it first shows; message boxes
    // closing over it are not activations.
    QTimer::singleShot(0, &view, [this] { view.Dispatch([this] { Form_Activate(*kymbral_); }); });
}
