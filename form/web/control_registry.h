#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "controls.h"
#include "json_out.h"
#include "picture_box.h"

// The handlers a control's events reach.
struct Bindings {
    using PointHandler = std::function<void(int button, double x, double y)>;

    std::function<void()> click;
    PointHandler mouseUp;
    std::function<void(int keyCode)> keyUp;
    PointHandler mouseMove;
    std::function<void(const std::string&)> setText;
    std::function<void(bool)> setChecked;

    bool TakesClicks() const { return click || mouseUp; }
};

// The controls of a form, numbered in the order added, with the handlers
// bound to each. It keeps what the page was last told of every control, so
// that the page is told only what differs.
class ControlRegistry {
  public:
    // Each returns the control's number; `parent` is the number of the
    // picture box it lies in, -1 for the form.
    int Add(Label& label, int parent);
    int Add(LineFigure& line, int parent);
    int Add(ShapeFigure& shape, int parent);
    int Add(Button& button, int parent);
    int Add(TextBox& textBox, int parent);
    int Add(ListBox& listBox, int parent);
    int Add(CheckBox& checkBox, int parent);
    int Add(PictureBox& pictureBox, int parent);
    int Add(Timer& timer, int parent);

    // Throws std::invalid_argument for a control not added.
    int Id(const void* model) const;
    Bindings& Bind(const void* model) { return bindings_[Index(Id(model))]; }
    const Bindings& At(int id) const { return bindings_[Index(id)]; }
    // Nothing for a number the form did not give.
    const Bindings* Find(int id) const;

    // "controls": every control that differs from what the page was last
    // told, which is what the page is told now.
    void WriteChanged(JsonOut& out);

  private:
    static std::size_t Index(int id) { return static_cast<std::size_t>(id); }
    int Number(const void* model);
    // Returns what the page was last told of the model.
    template <class Model>
    std::shared_ptr<std::optional<Model>> Track(const Model& model, int id, int parent);
    template <class Model>
    int AddTracked(const Model& model, int parent);

    std::unordered_map<const void*, int> ids_;
    std::vector<Bindings> bindings_;
    std::vector<std::function<void(JsonOut&)>> writers_;
};
