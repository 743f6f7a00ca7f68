#include "qt_message_boxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

#include "qt_appearance.h"

QtMessageBoxes::QtMessageBoxes(QWidget* window) : window_(window) {}

void QtMessageBoxes::Show(const std::string& title, const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title), DisplayText(text),
                    QMessageBox::Ok, window_);
    // The text is the program's, never markup, whatever it happens to contain.
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    // The box takes the focus on its OK and gives it back when it closes.
    QPointer<QWidget> focused = QApplication::focusWidget();
    box.exec();
    if (focused) focused->setFocus(Qt::OtherFocusReason);
}
