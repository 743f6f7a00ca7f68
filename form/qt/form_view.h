#pragma once

#include <QImage>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "accessible.h"
#include "accessible_controls.h"
#include "controls.h"
#include "picture_box.h"
#include "surface_items.h"

class ButtonWidget;
class FocusRing;
class TextBoxWidget;
class PictureWidget;
class TimerDriver;

// The surface of a window built from control models. Labels, lines and shapes
// are painted on it in the order added; buttons, text boxes, list boxes,
// check boxes and picture boxes become child widgets above them, found by the
// models' names. Models are held by reference and must outlive the view.
//
// Every handler runs as an event: after it returns, the after-event hook runs
// and then Sync() brings the screen up to date with the models.
//
// Every control that takes a click takes the keyboard's focus too, by Tab in
// reading order, and keys click it (see key_clicks.h); painted labels that
// take a click get a stand-in widget for that. Assistive technology hears
// each control's facts: its kind's, or those that Describe() gives.
class FormView : public QWidget {
  public:
    using Handler = std::function<void()>;
    // zoom: the share of its size at which the picture is wanted.
    using ImageLoader = std::function<QImage(const std::string& key, double zoom)>;

    explicit FormView(QWidget* parent = nullptr);
    ~FormView() override;

    // Drawn unscaled at the top-left corner, under everything.
    void SetBackground(QImage image);
    // Resolves PictureBox::picture; by default the key is a file path, and a
    // picture wanted smaller is decoded smaller (much faster for a JPEG).
    // Set it before adding picture boxes.
    void SetImageLoader(ImageLoader loader);

    void Add(Label& label);
    void Add(LineFigure& line);
    void Add(ShapeFigure& shape);
    // Items inside a picture box, placed relative to its drawing area.
    void Add(Label& label, PictureBox& container);
    void Add(LineFigure& line, PictureBox& container);

    void Add(Button& button);
    void Add(TextBox& textBox);
    void Add(ListBox& listBox);
    void Add(CheckBox& checkBox);
    void Add(PictureBox& pictureBox);

    void OnClick(Button& button, Handler handler);
    // button: 1 left, 2 right, 4 middle.
    void OnMouseUp(Button& button, std::function<void(int button)> handler);
    void OnClick(Label& label, Handler handler);
    // keyCode: 13 for Return or Enter.
    void OnKeyUp(TextBox& textBox, std::function<void(int keyCode)> handler);
    // Positions in twips from the top-left corner of the drawing area.
    void OnMouseUp(PictureBox& pictureBox,
                   std::function<void(int button, double x, double y)> handler);
    // button: the sum of the codes of the buttons held, 0 for none.
    void OnMouseMove(PictureBox& pictureBox,
                     std::function<void(int button, double x, double y)> handler);
    void BindTimer(Timer& timer, Handler tick);
    template <class Control>
    void Describe(const Control& control, Describer describer) {
        accessibles_.Describe(&control, std::move(describer));
    }
    AccessibleControls& Accessibles() { return accessibles_; }

    void SetAfterEvent(Handler hook);
    // Runs a handler as an event (with the after-event hook and a Sync). One
    // that comes while another runs is run after it.
    void Dispatch(const Handler& handler);
    // Brings every widget, the surface and the timers up to date with the models.
    void Sync();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void OrderTabStops();
    template <class Widget, class Model, class... Extra>
    Widget& AddWidget(Model& model, Extra&&... extra);
    template <class Widget>
    Widget& WidgetOf(const void* model) const;
    SurfaceItems& SurfaceOf(const Label& label);
    template <class... Args>
    std::function<void(Args...)> AsEvent(std::function<void(Args...)> handler);

    AccessibleControls accessibles_;
    FocusRing* ring_;
    bool tabOrderStale_ = false;
    QImage background_;
    ImageLoader imageLoader_;
    SurfaceItems surface_;
    void RunOne(const Handler& handler);

    Handler afterEvent_;
    bool dispatching_ = false;
    std::vector<Handler> deferred_;
    std::vector<std::function<void()>> syncs_;
    std::unordered_map<const void*, QWidget*> widgets_;
    std::vector<PictureWidget*> pictures_;
    std::vector<std::unique_ptr<TimerDriver>> timers_;
};
