#pragma once

#include <QLineEdit>
#include <functional>

#include "controls.h"
#include "last_applied.h"

// A one-line edit shown from a TextBox model. What the user types goes into
// the model at once, so a key handler reads the text as it is on screen.
class TextBoxWidget : public QLineEdit {
  public:
    TextBoxWidget(TextBox& model, QWidget* parent);

    void SetKeyUpHandler(std::function<void(int keyCode)> handler);
    void Sync();

  protected:
    void keyReleaseEvent(QKeyEvent* event) override;

  private:
    void TakeUserText(const QString& text);

    TextBox& model_;
    LastApplied<TextBox> applied_;
    std::function<void(int)> onKeyUp_;
};
