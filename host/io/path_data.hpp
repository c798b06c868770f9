// Our parser of SVG path data ("M 0 0 L 10 0 ..."), the whole grammar, with
// arcs and quadratic curves turned into cubics. Coordinates stay in the
// path's own user space (y down); the importer transforms them.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "host/document_data.hpp"

namespace tovrins::host {

struct Subpath {
    std::vector<Segment> segments;
    bool closed = false;
};

// Thrown for malformed data; the message says what and where (offset).
class PathDataError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// All of the data, or PathDataError.
std::vector<Subpath> parsePathData(std::string_view d);

// The data up to an error, as SVG renderers draw it: every segment read
// whole before the error is kept, the one the error is in is dropped.
struct PartialPathData {
    std::vector<Subpath> subpaths;
    std::string error; // what PathDataError says; empty when all was read
};
PartialPathData readPathData(std::string_view d);

// Appends cubic segments for an elliptical arc from `from` (whose out handle
// is set) to `to`, as the SVG arc command defines it.
void appendArc(Subpath& path, TvRealPoint from, double rx, double ry, double rotationDeg, bool largeArc, bool sweep,
               TvRealPoint to);

// Sets each anchor's corner flag: false where its handles line up smoothly.
void markCorners(Subpath& path);

} // namespace tovrins::host
