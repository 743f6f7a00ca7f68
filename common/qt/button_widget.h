#pragma once

#include <QPushButton>
#include <functional>

#include "controls.h"
#include "last_applied.h"

// A push button shown from a Button model. Besides its click on the left
// button it reports the release of any mouse button that was pressed on it,
// before the click, as the programs expect. Long captions wrap onto further
// lines, centred, since the layouts size some buttons for two lines.
class ButtonWidget : public QPushButton {
  public:
    ButtonWidget(Button& model, QWidget* parent);

    void SetMouseUpHandler(std::function<void(int button)> handler);
    void Sync();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    Button& model_;
    LastApplied<Button> applied_;
    std::function<void(int)> onMouseUp_;
};
