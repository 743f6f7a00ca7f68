#include "list_box_widget.h"

ListBoxWidget::ListBoxWidget(ListBox& model, QWidget* parent) : QListWidget(parent), model_(model) {
    setObjectName(QString::fromStdString(model.name));
    Sync();
}

void ListBoxWidget::Sync() {
    if (applied_.Same(model_)) return;
    SyncFrame(*this, model_, applied_);
    if (applied_.Changed(model_, &ListBox::items)) SyncItems();
    applied_.Remember(model_);
}

void ListBoxWidget::SyncItems() {
    const auto& items = model_.items;
    int wanted = static_cast<int>(items.size());
    while (count() > wanted) delete takeItem(count() - 1);
    for (int row = 0; row < wanted; ++row) {
        QString text = QString::fromStdString(items[static_cast<std::size_t>(row)]);
        if (row == count()) {
            addItem(text);
        } else if (item(row)->text() != text) {
            item(row)->setText(text);
        }
    }
}
