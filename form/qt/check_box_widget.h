#pragma once

#include <QCheckBox>

#include "controls.h"
#include "last_applied.h"

// A check box shown from a CheckBox model; the user's ticks go into the model.
class CheckBoxWidget : public QCheckBox {
  public:
    CheckBoxWidget(CheckBox& model, QWidget* parent);

    void Sync();

  private:
    CheckBox& model_;
    LastApplied<CheckBox> applied_;
};
