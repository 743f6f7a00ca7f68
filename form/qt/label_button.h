#pragma once

#include <QAbstractButton>

#include "controls.h"
#include "last_applied.h"

// Stands in for a painted label that takes a click: it takes the keyboard's
// focus in the label's place and clicks on Space or Enter. It paints nothing,
// and the mouse goes through it to the label as before.
class LabelButton : public QAbstractButton {
  public:
    // origin: where the surface that paints the label starts in the parent.
    LabelButton(const Label& model, QPoint origin, QWidget* parent);

    void Sync();

  protected:
    void paintEvent(QPaintEvent*) override {}
    void keyPressEvent(QKeyEvent* event) override;

  private:
    const Label& model_;
    QPoint origin_;
    LastApplied<Label> applied_;
};
