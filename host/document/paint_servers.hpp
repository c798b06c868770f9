// The gradients and patterns of a document: those of the source file, which
// the document only refers to, and those it derives so that a moved copy's
// paint can stay where it was.
#pragma once

#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "host/document_data.hpp"

namespace tovrins::host {

// The inverse of m; none when it is singular or not finite.
std::optional<TvRealMatrix> invertMatrix(const TvRealMatrix& m);

// Tight bounds of the curves themselves (not their control points), in the
// space that `toLocal` maps document points into.
TvRealRect curveBounds(const std::vector<Segment>& segments, bool closed, const TvRealMatrix& toLocal);

class PaintServers {
public:
    PaintServers() = default;
    PaintServers(const DocumentData& data);

    // The element, units and transform a paint id stands for; null for an
    // id the document does not know.
    const PaintServer* find(const std::string& id) const;

    // A paint that draws what `id` draws in the art's old user space
    // `before`, for art now in `after` whose bounding box in its own user
    // space is `box` (x, y, w, h). Returns the id of a new derived paint, or
    // `id` itself when nothing needs to change or cannot (an unknown paint,
    // an empty box for bounding-box units, a singular space).
    std::string keepInPlace(const std::string& id, const TvRealMatrix& before, const TvRealMatrix& after,
                            const TvRealRect& box);

    // Derived paints some art still refers to, in the order they were made.
    std::vector<DerivedPaint> derivedIn(const std::unordered_set<std::string>& referenced) const;
    void reserveId(const std::string& id) { usedIds_.insert(id); }
    const std::vector<PaintServer>& sources() const { return sources_; }

private:
    std::string freshId(const std::string& base);

    std::unordered_map<std::string, PaintServer> servers_; // source and derived alike
    std::vector<PaintServer> sources_;
    std::vector<DerivedPaint> derived_;
    std::unordered_set<std::string> usedIds_;
    uint64_t nextNumber_ = 1;
};

} // namespace tovrins::host
