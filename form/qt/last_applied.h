#pragma once

#include <QWidget>
#include <optional>

#include "qt_appearance.h"

// The copy of a model as last applied to its widget, so that a Sync touches
// only the properties that changed since.
template <class Model>
class LastApplied {
  public:
    bool Same(const Model& now) const { return last_ && *last_ == now; }

    template <class Field>
    bool Changed(const Model& now, Field Model::*field) const {
        return !last_ || (*last_).*field != now.*field;
    }

    // The widget changed this field itself (the user typed or ticked).
    template <class Field>
    void Note(Field Model::*field, const Field& value) {
        if (last_) (*last_).*field = value;
    }

    void Remember(const Model& now) { last_ = now; }

  private:
    std::optional<Model> last_;
};

// What every windowed control has: place, font and, for most, visibility.
template <class Model>
void SyncFrame(QWidget& widget, const Model& model, const LastApplied<Model>& applied) {
    if (applied.Changed(model, &Model::rect)) widget.setGeometry(PixelRect(model.rect));
    if (applied.Changed(model, &Model::font)) widget.setFont(ToQFont(model.font));
    if constexpr (requires { model.visible; }) {
        if (applied.Changed(model, &Model::visible)) widget.setVisible(model.visible);
    }
}
