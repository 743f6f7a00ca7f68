#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "qt_message_boxes.h"

namespace {

TEST(QtMessageBoxes, ShowsTitleAndTextWithOkOnlyAndNoIcon) {
    QWidget window;
    QtMessageBoxes boxes(&window);
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::Information;
    qsizetype buttons = 0;
    Qt::WindowModality modality = Qt::NonModal;
    // Runs inside the box's own event loop, once it is up.
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = box->buttons().size();
        modality = box->windowModality();
        box->button(QMessageBox::Ok)->click();
    });

    boxes.Show("Kymbral", "Lock level: 55\rWell done <b>");

    EXPECT_EQ(title, "Kymbral");
    EXPECT_EQ(text, "Lock level: 55\nWell done <b>");
    EXPECT_EQ(icon, QMessageBox::NoIcon);
    EXPECT_EQ(buttons, 1);
    EXPECT_EQ(modality, Qt::ApplicationModal);
}

}  // namespace
