#include "reading_order.h"

#include <algorithm>
#include <utility>

namespace {

// Neighbours drawn to meet at a seam may overlap by a few pixels and still
// lie apart, as Walkup and the parameter list do.
constexpr int kSeamTwips = 4 * kTwipsPerPixel;

using Group = std::vector<std::size_t>;

struct Axis {
    int TwipRect::*start;
    int TwipRect::*length;
};
constexpr Axis kDown{&TwipRect::top, &TwipRect::height};
constexpr Axis kAcross{&TwipRect::left, &TwipRect::width};

int Start(const TwipRect& rect, Axis axis) {
    return rect.*axis.start;
}
int End(const TwipRect& rect, Axis axis) {
    return rect.*axis.start + rect.*axis.length;
}
bool Overlap(const TwipRect& a, const TwipRect& b, Axis axis) {
    return Start(a, axis) < End(b, axis) && Start(b, axis) < End(a, axis);
}

// Whether `next` lies beyond the band along the axis: nothing of the band
// reaches past its start, but for a seam: a neighbour drawn to meet it that
// overlaps it by a few pixels (and lies beside it, not diagonally off).
bool Beyond(const std::vector<TwipRect>& rects, const Group& band, const TwipRect& next, Axis axis,
            Axis other) {
    for (std::size_t i : band) {
        const TwipRect& r = rects[i];
        int reach = End(r, axis) - Start(next, axis);
        if (reach > 0 && (reach > kSeamTwips || !Overlap(r, next, other))) return false;
    }
    return true;
}

// The controls split where the band before them ends, in order along the
// axis; one group when nothing can be split.
std::vector<Group> Bands(const std::vector<TwipRect>& rects, Group group, Axis axis, Axis other) {
    std::stable_sort(group.begin(), group.end(), [&](std::size_t a, std::size_t b) {
        return Start(rects[a], axis) < Start(rects[b], axis);
    });
    std::vector<Group> bands;
    for (std::size_t i : group) {
        if (bands.empty() || Beyond(rects, bands.back(), rects[i], axis, other)) {
            bands.emplace_back();
        }
        bands.back().push_back(i);
    }
    return bands;
}

void Read(const std::vector<TwipRect>& rects, Group group, Group& order) {
    for (auto [axis, other] : {std::pair{kDown, kAcross}, {kAcross, kDown}}) {
        std::vector<Group> bands = Bands(rects, group, axis, other);
        if (bands.size() < 2) continue;
        for (Group& band : bands) Read(rects, std::move(band), order);
        return;
    }
    // Nothing splits them (they overlap every way): top first, then left.
    std::stable_sort(group.begin(), group.end(), [&](std::size_t a, std::size_t b) {
        const TwipRect &p = rects[a], &q = rects[b];
        return p.top != q.top ? p.top < q.top : p.left < q.left;
    });
    order.insert(order.end(), group.begin(), group.end());
}

}  // namespace

std::vector<std::size_t> ReadingOrder(const std::vector<TwipRect>& rects) {
    Group all(rects.size());
    for (std::size_t i = 0; i < all.size(); ++i) all[i] = i;
    Group order;
    Read(rects, std::move(all), order);
    return order;
}
