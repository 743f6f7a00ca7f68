#include "text_box_widget.h"

#include <QKeyEvent>

#include "input_codes.h"

TextBoxWidget::TextBoxWidget(TextBox& model, QWidget* parent) : QLineEdit(parent), model_(model) {
    setObjectName(QString::fromStdString(model.name));
    connect(this, &QLineEdit::textEdited, this,
            [this](const QString& text) { TakeUserText(text); });
    Sync();
}

void TextBoxWidget::SetKeyUpHandler(std::function<void(int)> handler) {
    onKeyUp_ = std::move(handler);
}

void TextBoxWidget::Sync() {
    if (applied_.Same(model_)) return;
    SyncFrame(*this, model_, applied_);
    if (applied_.Changed(model_, &TextBox::text)) setText(QString::fromStdString(model_.text));
    applied_.Remember(model_);
}

void TextBoxWidget::TakeUserText(const QString& text) {
    model_.text = text.toStdString();
    applied_.Note(&TextBox::text, model_.text);
}

void TextBoxWidget::keyReleaseEvent(QKeyEvent* event) {
    QLineEdit::keyReleaseEvent(event);
    // A held key repeats its press, not its release.
    if (event->isAutoRepeat() || !onKeyUp_) return;
    onKeyUp_(KeyCode(*event));
}
