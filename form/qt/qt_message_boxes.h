#pragma once

#include <QPointer>
#include <QWidget>

#include "message_boxes.h"

// Message boxes on the desktop: OK only, no icon, modal over the whole
// application and centred on the given window.
class QtMessageBoxes : public MessageBoxes {
  public:
    explicit QtMessageBoxes(QWidget* window = nullptr);

    void Show(const std::string& title, const std::string& text) override;

  private:
    QPointer<QWidget> window_;
};
