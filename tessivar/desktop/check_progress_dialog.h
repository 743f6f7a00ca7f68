#pragma once

#include <QProgressDialog>

#include "deck_check.h"

// Shows how a deck's check goes when it takes longer than half a second: a
// deck of many large pictures takes a while, and the instructor or student
// must see that something happens.
class CheckProgressDialog {
  public:
    explicit CheckProgressDialog(QWidget* parent);
    CheckProgress Callback();

  private:
    QProgressDialog dialog_;
};
