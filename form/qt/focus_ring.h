#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <unordered_map>

// Shows which control has the keyboard's focus while the keyboard is in use:
// a ring around it, over the console picture and above every control. Tab or
// a key that clicks or moves brings it; a mouse press puts it away, so that
// the mouse's look stays as it was. A control may show the focus in its own
// way instead. The ring lies on a glass pane over the whole form that lets
// the mouse through.
class FocusRing : public QWidget {
  public:
    using OwnSign = std::function<void(bool shown)>;

    explicit FocusRing(QWidget& form);

    void Watch(QWidget& control, OwnSign ownSign = {});

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void Update();
    QRect Around(const QWidget& control) const;

    QWidget& form_;
    std::unordered_map<const QObject*, OwnSign> watched_;
    QPointer<QWidget> signed_;  // the control that shows the focus itself
    QRect ring_;
    bool keyboard_ = false;
};
