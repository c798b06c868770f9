#include "host/io/svg_transform.hpp"

#include <cctype>
#include <charconv>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "host/io/svg_number.hpp"

namespace tovrins::host {

TvRealMatrix thenApply(const TvRealMatrix& f, const TvRealMatrix& s)
{
    return {s.a * f.a + s.c * f.b, s.b * f.a + s.d * f.b,          s.a * f.c + s.c * f.d,
            s.b * f.c + s.d * f.d, s.a * f.tx + s.c * f.ty + s.tx, s.b * f.tx + s.d * f.ty + s.ty};
}

TvRealPoint applyMatrix(const TvRealMatrix& m, TvRealPoint p)
{
    return {m.a * p.h + m.c * p.v + m.tx, m.b * p.h + m.d * p.v + m.ty};
}

namespace {

// The numbers path data accepts: those a float holds.
bool finiteCoordinate(double v) { return fitsFloat(v); }

[[noreturn]] void outOfRange(std::string_view text)
{
    constexpr size_t kShown = 60;
    const std::string shown = text.size() > kShown ? std::string(text.substr(0, kShown)) + "..." : std::string(text);
    throw SvgTransformRangeError("transform \"" + shown + "\" has a number that is not finite or too large");
}

} // namespace

std::optional<TvRealMatrix> parseSvgTransform(std::string_view text)
{
    TvRealMatrix total{1, 0, 0, 1, 0, 0};
    size_t i = 0;
    auto skip = [&] {
        while (i < text.size() && (std::isspace(static_cast<unsigned char>(text[i])) || text[i] == ','))
            ++i;
    };
    while (true) {
        skip();
        if (i >= text.size())
            break;
        const size_t nameStart = i;
        while (i < text.size() && (std::isalpha(static_cast<unsigned char>(text[i]))))
            ++i;
        const std::string_view name = text.substr(nameStart, i - nameStart);
        skip();
        if (i >= text.size() || text[i] != '(')
            return std::nullopt;
        ++i;
        std::vector<double> args;
        while (true) {
            skip();
            if (i < text.size() && text[i] == ')') {
                ++i;
                break;
            }
            if (i < text.size() && text[i] == '+')
                ++i;
            double v = 0;
            auto res = std::from_chars(text.data() + i, text.data() + text.size(), v);
            if (res.ec == std::errc::result_out_of_range || (res.ec == std::errc() && !finiteCoordinate(v)))
                outOfRange(text);
            if (res.ec != std::errc() || args.size() >= 6)
                return std::nullopt;
            i = static_cast<size_t>(res.ptr - text.data());
            args.push_back(v);
        }
        const size_t n = args.size();
        auto f = [](double v) { return toFloat(v); };
        TvRealMatrix m{1, 0, 0, 1, 0, 0};
        const double rad = n > 0 ? args[0] * std::numbers::pi / 180 : 0;
        if (name == "matrix" && n == 6) {
            m = {f(args[0]), f(args[1]), f(args[2]), f(args[3]), f(args[4]), f(args[5])};
        } else if (name == "translate" && (n == 1 || n == 2)) {
            m.tx = f(args[0]);
            m.ty = n == 2 ? f(args[1]) : 0;
        } else if (name == "scale" && (n == 1 || n == 2)) {
            m.a = f(args[0]);
            m.d = f(n == 2 ? args[1] : args[0]);
        } else if (name == "rotate" && (n == 1 || n == 3)) {
            const double c = std::cos(rad), s = std::sin(rad);
            m = {f(c), f(s), f(-s), f(c), 0, 0};
            if (n == 3) {
                // About (cx, cy): translate(cx, cy) rotate(a) translate(-cx, -cy).
                const double cx = args[1], cy = args[2];
                m.tx = f(cx - c * cx + s * cy);
                m.ty = f(cy - s * cx - c * cy);
            }
        } else if (name == "skewX" && n == 1) {
            m.c = f(std::tan(rad));
        } else if (name == "skewY" && n == 1) {
            m.b = f(std::tan(rad));
        } else {
            return std::nullopt;
        }
        // In a list, the rightmost transform applies to the point first.
        total = thenApply(m, total);
        for (float v : {m.a, m.b, m.c, m.d, m.tx, m.ty, total.a, total.b, total.c, total.d, total.tx, total.ty})
            if (!std::isfinite(v))
                outOfRange(text);
    }
    return total;
}

} // namespace tovrins::host
