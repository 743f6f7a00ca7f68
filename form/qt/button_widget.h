#pragma once

#include <QPushButton>
#include <functional>

#include "controls.h"
#include "last_applied.h"

// A push button shown from a Button model. Besides its click on the left
// button it reports the release of any mouse button that was pressed on it,
// before the click, as the programs expect. Long captions wrap onto further
// lines, centred, since the layouts size some buttons for two lines.
//
// Keys click it as the mouse does: Space (Qt's own) and Enter; a knob, a
// button that tells the mouse buttons apart, takes its two buttons from keys.
class ButtonWidget : public QPushButton {
  public:
    ButtonWidget(Button& model, QWidget* parent);

    void SetMouseUpHandler(std::function<void(int button)> handler);
    void Sync();
    // What a click with that mouse button does: its release is reported, and
    // the left button clicks.
    void ClickWith(int button);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    Button& model_;
    LastApplied<Button> applied_;
    std::function<void(int)> onMouseUp_;
};
