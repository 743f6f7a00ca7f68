#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <array>

#include "exercise_panel.h"
#include "exercise_run.h"
#include "form_view.h"

// The exercise panel on the desktop: a small window beside the console
// window that shows the run's panel. Its button and its clock reach the run
// as events of the console window, so they never interleave with the
// window's own; after every event it shows what changed.
class ExercisePanelWindow : public QWidget {
  public:
    ExercisePanelWindow(ExerciseRun& run, FormView& console);

    // Opens it at the console window's right.
    void Open();

    static constexpr int kMostAnswers = 3;

  private:
    void Act();
    void Show(const ExercisePanel& panel);

    ExerciseRun& run_;
    FormView& console_;
    ExercisePanel shown_;
    int shownRevision_ = -1;
    QLabel* heading_;
    QLabel* task_;
    QLabel* timeLeft_;
    std::array<QLabel*, kMostAnswers> answerLabels_{};
    std::array<QLineEdit*, kMostAnswers> answers_{};
    QPushButton* action_;
    QLabel* verdict_;
    QLabel* points_;
    QTimer* clock_;
};
