#include "check_box_widget.h"

CheckBoxWidget::CheckBoxWidget(CheckBox& model, QWidget* parent)
    : QCheckBox(parent), model_(model) {
    setObjectName(QString::fromStdString(model.name));
    connect(this, &QCheckBox::clicked, this, [this](bool checked) {
        model_.checked = checked;
        applied_.Note(&CheckBox::checked, checked);
    });
    Sync();
}

void CheckBoxWidget::Sync() {
    if (applied_.Same(model_)) return;
    SyncFrame(*this, model_, applied_);
    if (applied_.Changed(model_, &CheckBox::caption)) setText(DisplayText(model_.caption));
    if (applied_.Changed(model_, &CheckBox::checked)) setChecked(model_.checked);
    applied_.Remember(model_);
}
