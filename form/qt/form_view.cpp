#include "form_view.h"

#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>
#include <stdexcept>

#include "accessible_interfaces.h"
#include "button_widget.h"
#include "check_box_widget.h"
#include "focus_ring.h"
#include "label_button.h"
#include "list_box_widget.h"
#include "picture_widget.h"
#include "qt_appearance.h"
#include "text_box_widget.h"
#include "timer_driver.h"

namespace {

QImage ReadImage(const std::string& path, double zoom) {
    QImageReader reader(QString::fromStdString(path));
    if (zoom != 1) reader.setScaledSize((QSizeF(reader.size()) * zoom).toSize());
    return reader.read();
}

}  // namespace

FormView::FormView(QWidget* parent)
    : QWidget(parent), ring_(new FocusRing(*this)), imageLoader_(ReadImage) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    InstallAccessibleInterfaces();
    accessibles_.AddHolder(*this);
}

FormView::~FormView() {
    // The widgets go first, while what they tell of themselves is still there.
    delete ring_;
    qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
}

void FormView::SetBackground(QImage image) {
    background_ = std::move(image);
    update();
}

void FormView::SetImageLoader(ImageLoader loader) {
    imageLoader_ = std::move(loader);
}

void FormView::Add(Label& label) {
    surface_.Add(label);
    accessibles_.AddPainted(label, *this, [] { return QPoint(0, 0); });
    update(PixelRect(label.rect));
}

void FormView::Add(LineFigure& line) {
    surface_.Add(line);
    update();
}

void FormView::Add(ShapeFigure& shape) {
    surface_.Add(shape);
    update(PixelRect(shape.rect).adjusted(-1, -1, 1, 1));
}

void FormView::Add(Label& label, PictureBox& container) {
    auto& picture = WidgetOf<PictureWidget>(&container);
    picture.Items().Add(label);
    picture.update();
    accessibles_.AddPainted(label, picture, [&picture] { return picture.DrawingOrigin(); });
}

void FormView::Add(LineFigure& line, PictureBox& container) {
    auto& picture = WidgetOf<PictureWidget>(&container);
    picture.Items().Add(line);
    picture.update();
}

void FormView::Add(Button& button) {
    AddWidget<ButtonWidget>(button);
}
void FormView::Add(TextBox& textBox) {
    AddWidget<TextBoxWidget>(textBox);
}
void FormView::Add(ListBox& listBox) {
    AddWidget<ListBoxWidget>(listBox);
}
void FormView::Add(CheckBox& checkBox) {
    AddWidget<CheckBoxWidget>(checkBox);
}

void FormView::Add(PictureBox& pictureBox) {
    auto& picture = AddWidget<PictureWidget>(pictureBox, imageLoader_);
    pictures_.push_back(&picture);
    accessibles_.AddHolder(picture);
    ring_->Watch(picture, [&picture](bool shown) { picture.ShowPointer(shown); });
}

template <class Widget, class Model, class... Extra>
Widget& FormView::AddWidget(Model& model, Extra&&... extra) {
    auto* widget = new Widget(model, std::forward<Extra>(extra)..., this);
    // Controls without a visible flag are always shown, also on a form already shown.
    if constexpr (!requires { model.visible; }) widget->show();
    widgets_[&model] = widget;
    syncs_.push_back([widget] { widget->Sync(); });
    accessibles_.AddWidget(model, *widget);
    ring_->Watch(*widget);
    tabOrderStale_ = true;
    return *widget;
}

template <class Widget>
Widget& FormView::WidgetOf(const void* model) const {
    auto found = widgets_.find(model);
    if (found == widgets_.end()) throw std::invalid_argument("control not added to the form");
    return static_cast<Widget&>(*found->second);
}

SurfaceItems& FormView::SurfaceOf(const Label& label) {
    if (surface_.Holds(label)) return surface_;
    for (PictureWidget* picture : pictures_) {
        if (picture->Items().Holds(label)) return picture->Items();
    }
    throw std::invalid_argument("label not added to the form: " + label.name);
}

template <class... Args>
std::function<void(Args...)> FormView::AsEvent(std::function<void(Args...)> handler) {
    // The event keeps its own copies: it may run later, after the handler in progress.
    return [this, handler = std::move(handler)](Args... args) {
        Dispatch([handler, args...] { handler(args...); });
    };
}

void FormView::OnClick(Button& button, Handler handler) {
    connect(&WidgetOf<ButtonWidget>(&button), &QPushButton::clicked, this,
            AsEvent(std::move(handler)));
}

void FormView::OnMouseUp(Button& button, std::function<void(int)> handler) {
    WidgetOf<ButtonWidget>(&button).SetMouseUpHandler(AsEvent(std::move(handler)));
}

void FormView::OnClick(Label& label, Handler handler) {
    SurfaceItems& surface = SurfaceOf(label);
    Handler click = AsEvent(std::move(handler));
    surface.SetClickHandler(label, click);
    // The keyboard's way to the label.
    QWidget* holder = this;
    QPoint origin(0, 0);
    for (PictureWidget* picture : pictures_) {
        if (&picture->Items() != &surface) continue;
        holder = picture;
        origin = picture->DrawingOrigin();
    }
    auto* stand = new LabelButton(label, origin, holder);
    connect(stand, &QAbstractButton::clicked, this, click);
    syncs_.push_back([stand] { stand->Sync(); });
    accessibles_.StandIn(label, *stand);
    ring_->Watch(*stand);
    tabOrderStale_ = true;
}

void FormView::OnKeyUp(TextBox& textBox, std::function<void(int)> handler) {
    WidgetOf<TextBoxWidget>(&textBox).SetKeyUpHandler(AsEvent(std::move(handler)));
}

void FormView::OnMouseUp(PictureBox& pictureBox, std::function<void(int, double, double)> handler) {
    WidgetOf<PictureWidget>(&pictureBox).SetMouseUpHandler(AsEvent(std::move(handler)));
    tabOrderStale_ = true;  // it takes the focus now
}

void FormView::OnMouseMove(PictureBox& pictureBox,
                           std::function<void(int, double, double)> handler) {
    WidgetOf<PictureWidget>(&pictureBox).SetMouseMoveHandler(AsEvent(std::move(handler)));
}

void FormView::BindTimer(Timer& timer, Handler tick) {
    // A tick that comes while a handler waits or shows a message is dropped, not queued.
    auto onTimeout = [this, tick = std::move(tick)] {
        if (!dispatching_) Dispatch(tick);
    };
    auto& driver = *timers_.emplace_back(std::make_unique<TimerDriver>(timer, onTimeout, this));
    syncs_.push_back([&driver] { driver.Sync(); });
}

void FormView::SetAfterEvent(Handler hook) {
    afterEvent_ = std::move(hook);
}

void FormView::Dispatch(const Handler& handler) {
    // Handlers run one at a time: an event that arrives while one runs (inside
    // its wait or its message box) is handled after it.
    if (dispatching_) {
        deferred_.push_back(handler);
        return;
    }
    RunOne(handler);
    while (!deferred_.empty()) {
        Handler next = std::move(deferred_.front());
        deferred_.erase(deferred_.begin());
        RunOne(next);
    }
}

void FormView::RunOne(const Handler& handler) {
    dispatching_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{dispatching_};
    handler();
    if (afterEvent_) afterEvent_();
    Sync();
}

void FormView::Sync() {
    for (const auto& sync : syncs_) sync();
    QRegion changed = surface_.Sync();
    if (!changed.isEmpty()) update(changed);
    if (tabOrderStale_) OrderTabStops();
    accessibles_.Sync();
}

void FormView::OrderTabStops() {
    std::vector<QWidget*> stops = accessibles_.TabStops(*this);
    for (std::size_t i = 1; i < stops.size(); ++i) setTabOrder(stops[i - 1], stops[i]);
    tabOrderStale_ = false;
}

void FormView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // Rectangle by rectangle: a tick changes a few small places far apart.
    QColor face = ToQColor(colours::ButtonFace, palette());
    for (const QRect& area : event->region()) {
        painter.fillRect(area, face);
        // In the picture's own pixels, of which a dense screen's picture has more.
        qreal ratio = background_.devicePixelRatio();
        QRectF shown =
            QRectF(area).intersected(QRectF(QPointF(), background_.deviceIndependentSize()));
        if (!shown.isEmpty()) {
            QRectF source(shown.topLeft() * ratio, shown.size() * ratio);
            painter.drawImage(shown, background_, source);
        }
    }
    surface_.Paint(painter, event->region(), palette());
}

void FormView::mousePressEvent(QMouseEvent* event) {
    surface_.Press(event->position());
}

void FormView::mouseReleaseEvent(QMouseEvent* event) {
    surface_.Release(event->position(), event->button());
}
