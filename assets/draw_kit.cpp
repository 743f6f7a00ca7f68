#include "draw_kit.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygon>

#include "embedded_fonts.h"

namespace kit {

namespace {

constexpr int kRadius = 3;
const QColor kButtonTop{252, 253, 254};
const QColor kButtonBottom{222, 228, 235};
const QColor kButtonEdge{146, 158, 172};
const QColor kFieldEdge{150, 160, 172};

// A one-pixel outline falls on pixel centres, so strokes stay sharp.
QRectF Crisp(const QRect& r) {
    return QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5);
}

// What the face lacks (arrows, crosses) comes from the symbols face, not from
// whatever the machine would offer.
QFont Family(const char* family, int pixel_size, bool bold) {
    QFont font;
    font.setFamilies({family, fonts::kSymbols});
    font.setPixelSize(pixel_size);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

void RoundBox(QPainter& p, const QRect& r, const QBrush& fill, const QColor& edge) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(edge, 1));
    p.setBrush(fill);
    p.drawRoundedRect(Crisp(r), kRadius, kRadius);
    p.restore();
}

}  // namespace

QFont Ui(int pixel_size, bool bold) {
    return Family(fonts::kSans, pixel_size, bold);
}

QFont Mono(int pixel_size, bool bold) {
    return Family(fonts::kMono, pixel_size, bold);
}

QFont Narrow(int pixel_size, bool bold) {
    return Family(fonts::kNarrow, pixel_size, bold);
}

void Text(QPainter& p, const QRect& r, const QString& text, int flags, const QFont& font,
          const QColor& ink) {
    p.setFont(font);
    p.setPen(ink);
    p.drawText(r, flags, text);
}

void Button(QPainter& p, const QRect& r, const QString& caption, Look look, const QFont& font) {
    QLinearGradient shade(r.topLeft(), r.bottomLeft());
    QColor ink = colour::kInk;
    QColor edge = kButtonEdge;
    if (look == Look::kAccent) {
        shade.setColorAt(0, colour::kAccent.lighter(115));
        shade.setColorAt(1, colour::kAccent);
        ink = Qt::white;
        edge = colour::kAccent.darker(130);
    } else if (look == Look::kDisabled) {
        shade.setColorAt(0, colour::kPage);
        shade.setColorAt(1, colour::kPage);
        ink = colour::kBorder;
        edge = colour::kBorder;
    } else if (look == Look::kPressed) {
        shade.setColorAt(0, kButtonBottom.darker(110));
        shade.setColorAt(1, kButtonBottom);
    } else {
        shade.setColorAt(0, kButtonTop);
        shade.setColorAt(1, kButtonBottom);
    }
    RoundBox(p, r, shade, edge);
    Text(p, r, caption, Qt::AlignCenter, font, ink);
}

void Field(QPainter& p, const QRect& r, const QString& text, const QFont& font, int flags) {
    p.setPen(QPen(kFieldEdge, 1));
    p.setBrush(colour::kPanel);
    p.drawRect(Crisp(r));
    Text(p, r.adjusted(4, 0, -4, 0), text, flags, font);
}

void DropDown(QPainter& p, const QRect& r, const QString& text, const QFont& font) {
    const int knob = r.height();
    Field(p, r, text, font);
    const QRect arrow_box(r.right() - knob + 1, r.top(), knob, r.height());
    Button(p, arrow_box, {});
    const QPoint c = arrow_box.center();
    p.setPen(Qt::NoPen);
    p.setBrush(colour::kInk);
    p.drawPolygon(QPolygon({c + QPoint(-4, -2), c + QPoint(4, -2), c + QPoint(0, 3)}));
}

void Panel(QPainter& p, const QRect& r, const QString& title) {
    RoundBox(p, r, colour::kPanel, colour::kBorder);
    if (title.isEmpty()) return;
    const QRect head(r.left() + 1, r.top() + 1, r.width() - 2, 18);
    p.fillRect(head, colour::kBar);
    p.setPen(colour::kBorder);
    p.drawLine(head.bottomLeft(), head.bottomRight());
    Text(p, head.adjusted(7, 0, 0, 0), title, Qt::AlignLeft | Qt::AlignVCenter, Ui(11, true));
}

void Tab(QPainter& p, const QRect& r, const QString& caption, bool selected) {
    p.setPen(QPen(colour::kBorder, 1));
    p.setBrush(selected ? colour::kPanel : colour::kBar);
    p.drawRect(Crisp(r));
    if (selected) p.fillRect(QRect(r.left(), r.top(), r.width(), 3), colour::kAccent);
    Text(p, r, caption, Qt::AlignCenter, Ui(12, selected),
         selected ? colour::kInk : colour::kMuted);
}

void CheckBox(QPainter& p, const QRect& r, const QString& caption, bool checked,
              const QFont& font) {
    const QRect box(r.left(), r.center().y() - 6, 13, 13);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kFieldEdge, 1));
    p.setBrush(checked ? colour::kAccent : colour::kPanel);
    p.drawRoundedRect(Crisp(box), 2, 2);
    if (checked) {
        p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(box.left() + 3, box.top() + 6.5),
                                  QPointF(box.left() + 5.5, box.top() + 9.5),
                                  QPointF(box.left() + 10, box.top() + 3.5)}));
    }
    p.restore();
    Text(p, r.adjusted(18, 0, 0, 0), caption, Qt::AlignLeft | Qt::AlignVCenter, font);
}

void Radio(QPainter& p, const QRect& r, const QString& caption, bool selected) {
    const QPointF centre(r.left() + 6.5, r.center().y() + 0.5);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kFieldEdge, 1));
    p.setBrush(colour::kPanel);
    p.drawEllipse(centre, 6, 6);
    if (selected) {
        p.setPen(Qt::NoPen);
        p.setBrush(colour::kAccent);
        p.drawEllipse(centre, 3.5, 3.5);
    }
    p.restore();
    Text(p, r.adjusted(17, 0, 0, 0), caption, Qt::AlignLeft | Qt::AlignVCenter);
}

void MenuItem(QPainter& p, const QRect& r, const QString& caption, bool highlighted) {
    if (highlighted) p.fillRect(r, colour::kAccent);
    Text(p, r.adjusted(8, 0, 0, 0), caption, Qt::AlignLeft | Qt::AlignVCenter, Ui(12, highlighted),
         highlighted ? Qt::white : colour::kInk);
}

void ValueBox(QPainter& p, const QRect& r, const QString& name, const QString& value,
              const QString& step) {
    RoundBox(p, r, colour::kPanel, colour::kBorder);
    // A low box carries everything on one line; a tall one puts the value under the name.
    const bool one_line = r.height() < 22;
    const int half = one_line ? r.height() : r.height() / 2;
    const QRect top(r.left() + 5, r.top() + (one_line ? 0 : 1), r.width() - 10, half);
    Text(p, top, name, Qt::AlignLeft | Qt::AlignVCenter, Ui(10, true));
    Text(p, top, step, Qt::AlignRight | Qt::AlignVCenter, Ui(10), colour::kMuted);
    const QRect bottom =
        one_line ? r : QRect(r.left(), r.top() + half, r.width(), r.height() - half);
    Text(p, bottom, value, Qt::AlignCenter, Ui(one_line ? 12 : 13, true));
}

void Arrow(QPainter& p, QPoint tip, int size, const QColor& fill) {
    // The classic mouse pointer, tip at the top left.
    const double s = size / 16.0;
    QPolygonF shape({{0, 0}, {0, 14}, {3.5, 10.8}, {6, 16}, {8.2, 15}, {5.8, 10}, {10.5, 10}});
    for (QPointF& point : shape) point = QPointF(tip) + point * s;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(fill);
    p.drawPolygon(shape);
    p.restore();
}

}  // namespace kit
