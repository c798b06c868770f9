#include "host/document/paint_servers.hpp"

#include <algorithm>
#include <cmath>

#include "host/document/geometry.hpp"

namespace tovrins::host {

std::optional<TvRealMatrix> invertMatrix(const TvRealMatrix& m)
{
    const double det = double{m.a} * m.d - double{m.b} * m.c;
    if (!std::isfinite(det) || std::fabs(det) < 1e-30)
        return std::nullopt;
    const double a = m.d / det, b = -m.b / det, c = -m.c / det, d = m.a / det;
    const TvRealMatrix inv{static_cast<float>(a),
                           static_cast<float>(b),
                           static_cast<float>(c),
                           static_cast<float>(d),
                           static_cast<float>(-(a * m.tx + c * m.ty)),
                           static_cast<float>(-(b * m.tx + d * m.ty))};
    if (!isFinite(inv))
        return std::nullopt;
    return inv;
}

namespace {

// Extremes of one coordinate of a cubic Bézier: its ends and the roots of
// its derivative inside (0, 1).
void cubicExtremes(double p0, double p1, double p2, double p3, double& lo, double& hi)
{
    auto at = [&](double t) {
        const double u = 1 - t;
        return u * u * u * p0 + 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t * p3;
    };
    auto take = [&](double t) {
        if (t > 0 && t < 1) {
            lo = std::min(lo, at(t));
            hi = std::max(hi, at(t));
        }
    };
    lo = std::min({lo, p0, p3});
    hi = std::max({hi, p0, p3});
    const double a = -p0 + 3 * p1 - 3 * p2 + p3, b = 2 * (p0 - 2 * p1 + p2), c = p1 - p0;
    if (std::fabs(a) < 1e-12) {
        if (std::fabs(b) > 1e-12)
            take(-c / b);
        return;
    }
    const double disc = b * b - 4 * a * c;
    if (disc < 0)
        return;
    take((-b + std::sqrt(disc)) / (2 * a));
    take((-b - std::sqrt(disc)) / (2 * a));
}

} // namespace

TvRealRect curveBounds(const std::vector<Segment>& segments, bool closed, const TvRealMatrix& toLocal)
{
    if (segments.empty())
        return {};
    double left = INFINITY, right = -INFINITY, low = INFINITY, high = -INFINITY;
    auto join = [&](const Segment& from, const Segment& to) {
        const TvRealPoint q[4] = {transformPoint(toLocal, from.p), transformPoint(toLocal, from.out),
                                  transformPoint(toLocal, to.in), transformPoint(toLocal, to.p)};
        cubicExtremes(q[0].h, q[1].h, q[2].h, q[3].h, left, right);
        cubicExtremes(q[0].v, q[1].v, q[2].v, q[3].v, low, high);
    };
    join(segments.front(), segments.front());
    forEachJoin(segments, closed, join);
    return {static_cast<float>(left), static_cast<float>(high), static_cast<float>(right), static_cast<float>(low)};
}

PaintServers::PaintServers(const DocumentData& data) : sources_(data.paintServers)
{
    for (const PaintServer& s : data.paintServers) {
        servers_[s.id] = s;
        usedIds_.insert(s.id);
    }
    for (const DerivedPaint& d : data.derivedPaints) {
        const PaintServer* base = find(d.base);
        if (!base || servers_.contains(d.id))
            continue; // a derived paint needs its source; ids stay unique
        servers_[d.id] = PaintServer{d.id, base->element, base->boundingBoxUnits, d.transform};
        derived_.push_back(d);
        usedIds_.insert(d.id);
    }
    // Every id the definitions use is taken, so new paints never shadow one.
    const std::string& defs = data.definitions;
    for (size_t at = defs.find("id=\""); at != std::string::npos; at = defs.find("id=\"", at + 4)) {
        const size_t end = defs.find('"', at + 4);
        if (end != std::string::npos)
            usedIds_.insert(defs.substr(at + 4, end - at - 4));
    }
}

const PaintServer* PaintServers::find(const std::string& id) const
{
    auto it = servers_.find(id);
    return it == servers_.end() ? nullptr : &it->second;
}

std::string PaintServers::freshId(const std::string& base)
{
    std::string id;
    do
        id = base + "-" + std::to_string(nextNumber_++);
    while (usedIds_.contains(id));
    usedIds_.insert(id);
    return id;
}

std::string PaintServers::keepInPlace(const std::string& id, const TvRealMatrix& before, const TvRealMatrix& after,
                                      const TvRealRect& box)
{
    const PaintServer* server = find(id);
    if (!server)
        return id;
    // The paint maps to the document by its transform G, then its units U
    // (the bounding box, or nothing), then the art's user space S. Keeping
    // G·U·S fixed while S becomes S' gives G' = G·U·S·S'⁻¹·U⁻¹.
    TvRealMatrix units{1, 0, 0, 1, 0, 0};
    if (server->boundingBoxUnits)
        units = {box.right - box.left, 0, 0, box.top - box.bottom, box.left, box.bottom};
    const auto unitsInverse = invertMatrix(units);
    const auto afterInverse = invertMatrix(after);
    if (!unitsInverse || !afterInverse)
        return id;
    const TvRealMatrix inDocument = concatMatrix(concatMatrix(server->transform, units), before);
    const TvRealMatrix transform = concatMatrix(concatMatrix(inDocument, *afterInverse), *unitsInverse);
    if (!isFinite(transform))
        return id;
    // A derived paint always names the source file's paint as its base.
    std::string base = id;
    for (const DerivedPaint& d : derived_)
        if (d.id == id)
            base = d.base;
    DerivedPaint made{freshId(base), base, server->element, transform};
    servers_[made.id] = PaintServer{made.id, server->element, server->boundingBoxUnits, transform};
    derived_.push_back(made);
    return made.id;
}

std::vector<DerivedPaint> PaintServers::derivedIn(const std::unordered_set<std::string>& referenced) const
{
    std::vector<DerivedPaint> out;
    for (const DerivedPaint& d : derived_)
        if (referenced.contains(d.id))
            out.push_back(d);
    return out;
}

} // namespace tovrins::host
