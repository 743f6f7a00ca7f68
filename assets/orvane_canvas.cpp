#include <QString>

#include "draw_kit.h"
#include "orvane_layout.h"
#include "orvane_parts.h"
#include "orvane_views.h"
#include "plot_kit.h"

namespace orvane {

namespace {

namespace colour = kit::colour;
using kit::Span;

void DrawHeader(QPainter& p, const Slide& slide) {
    const QRect header = Span(201, 139, 1185, 157);
    p.fillRect(header, QColor(243, 246, 250));
    p.setPen(colour::kBorder);
    p.drawLine(header.bottomLeft(), header.bottomRight());
    const bool hasExperiment = slide.queue != Queue::kWelcome && slide.queue != Queue::kNewStudy;
    QString text = "exp1";
    if (hasExperiment) text += "     Proton_001";
    if (slide.sampleNamed) text += "     sample: test";
    if (slide.solventChosen) text += "     solvent: CDCl3";
    kit::Text(p, header.adjusted(8, 0, 0, 0), text, Qt::AlignLeft | Qt::AlignVCenter, kit::Ui(11),
              colour::kMuted);
    kit::Text(p, header.adjusted(0, 0, -8, 0), "1H   399.908 MHz",
              Qt::AlignRight | Qt::AlignVCenter, kit::Ui(11), colour::kMuted);
}

void DrawBlank(QPainter& p, bool welcome) {
    if (!welcome) {
        kit::Text(p, kPlotArea, "No data in exp1", Qt::AlignCenter, kit::Ui(14), colour::kBorder);
        return;
    }
    kit::Text(p, kPlotArea.adjusted(0, -30, 0, -30), "Orvane", Qt::AlignCenter, kit::Ui(56, true),
              QColor(214, 223, 235));
    kit::Text(p, kPlotArea.adjusted(0, 50, 0, 50), "NMR console software  \u00b7  Vastrel 400",
              Qt::AlignCenter, kit::Ui(15), colour::kMuted);
}

void DrawView(QPainter& p, const Slide& slide) {
    switch (slide.view) {
        case View::kBlank:
            DrawBlank(p, slide.queue == Queue::kWelcome);
            break;
        case View::kFindingZ0:
            DrawFindingZ0View(p);
            break;
        case View::kProfile:
            DrawProfileView(p);
            break;
        case View::kFidRunning:
        case View::kFid:
            DrawFidView(p, slide.view);
            break;
        case View::kLockWavy:
        case View::kLockLow:
        case View::kLockHigh:
            DrawLockScanView(p, slide.view);
            break;
        default:
            DrawSpectrumView(p, slide.view);
            break;
    }
}

}  // namespace

void DrawCanvas(QPainter& p, const Slide& slide) {
    p.fillRect(Span(198, 136, 1188, 418), colour::kPage);
    kit::Frame(p, layout::kCanvas);
    DrawHeader(p, slide);
    DrawView(p, slide);
}

}  // namespace orvane
