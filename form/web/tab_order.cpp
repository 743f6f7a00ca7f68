#include "tab_order.h"

#include <cstddef>

#include "reading_order.h"

std::vector<int> TabOrder::Stops(const std::function<bool(int id)>& takesClicks) const {
    std::vector<int> stops;
    std::vector<TwipRect> rects;
    for (const Placed& placed : placed_) {
        if (!placed.alwaysStops && !takesClicks(placed.id)) continue;
        stops.push_back(placed.id);
        rects.push_back(OnForm(placed));
    }
    std::vector<int> ordered;
    for (std::size_t index : ReadingOrder(rects)) ordered.push_back(stops[index]);
    return ordered;
}

TwipRect TabOrder::OnForm(const Placed& placed) const {
    TwipRect rect = *placed.rect;
    for (const Placed& outer : placed_) {
        if (outer.id != placed.parent) continue;
        rect.left += outer.rect->left;
        rect.top += outer.rect->top;
    }
    return rect;
}
