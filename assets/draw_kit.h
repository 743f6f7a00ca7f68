#pragma once

// The few widgets that the console pictures are made of, drawn in one plain
// style so that the simulator's background and the screenshots look like the
// same program. All coordinates are image pixels.

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRect>
#include <QString>

namespace kit {

namespace colour {
inline const QColor kPage{238, 241, 245};
inline const QColor kBar{224, 229, 236};
inline const QColor kPanel{255, 255, 255};
inline const QColor kBorder{183, 192, 204};
inline const QColor kInk{30, 39, 48};
inline const QColor kMuted{96, 108, 122};
inline const QColor kAccent{45, 108, 181};
inline const QColor kAccentPale{220, 232, 247};
inline const QColor kTrace{20, 70, 160};
}  // namespace colour

// Rectangles are written with both corners inclusive, as the pixel ranges they cover.
constexpr QRect Span(int x1, int y1, int x2, int y2) {
    return QRect(QPoint(x1, y1), QPoint(x2, y2));
}

enum class Look { kPlain, kAccent, kPressed, kDisabled };

QFont Ui(int pixelSize, bool bold = false);
QFont Mono(int pixelSize, bool bold = false);
QFont Narrow(int pixelSize, bool bold = false);

void Text(QPainter& p, const QRect& r, const QString& text, int flags = Qt::AlignCenter,
          const QFont& font = Ui(11), const QColor& ink = colour::kInk);
void Button(QPainter& p, const QRect& r, const QString& caption, Look look = Look::kPlain,
            const QFont& font = Ui(11));
void Field(QPainter& p, const QRect& r, const QString& text, const QFont& font = Ui(11),
           int flags = Qt::AlignLeft | Qt::AlignVCenter);
void DropDown(QPainter& p, const QRect& r, const QString& text, const QFont& font = Ui(11));
void Panel(QPainter& p, const QRect& r, const QString& title = {});
void Tab(QPainter& p, const QRect& r, const QString& caption, bool selected);
void CheckBox(QPainter& p, const QRect& r, const QString& caption, bool checked,
              const QFont& font = Ui(11));
void Radio(QPainter& p, const QRect& r, const QString& caption, bool selected);
void MenuItem(QPainter& p, const QRect& r, const QString& caption, bool highlighted);
void ValueBox(QPainter& p, const QRect& r, const QString& name, const QString& value,
              const QString& step);
void Arrow(QPainter& p, QPoint tip, int size, const QColor& fill = colour::kInk);

}  // namespace kit
