#pragma once

#include <string>

#include "exercise_set.h"

// What the student reads for a task: the row's own text, or what its kind
// and settings say when the row leaves it blank.
std::string TaskText(const Task& task);

// The labels of the panel's boxes a task's answer is typed in, in order;
// none for a task that the window itself shows done.
std::vector<std::string> AnswerLabels(const Task& task);

// The time limit as a student reads it ("5 minutes", "90 seconds").
std::string LimitText(double minutes);
