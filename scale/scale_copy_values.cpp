// Running factors and offsets of the scale filter, and the pivot translations.
// Everything is evaluated in double and stored back as float, so a series
// rounds once per copy rather than once per operation.
#include "scale_copy_values.hpp"

#include <optional>

namespace tovrins {

namespace {

bool isOdd(int32_t i) { return i % 2 != 0; }

double draw(RandomSource& random) { return static_cast<double>(random.next()); }

// +1 when the draw exceeds 0.5, -1 otherwise (0.5 included).
double drawSign(RandomSource& random) { return draw(random) > 0.5 ? 1.0 : -1.0; }

std::optional<double> scaleFactor(int32_t mode, double i, double n, double s, double f, bool odd,
                                  RandomSource& random)
{
    switch (mode) {
    case 0: return f * s;
    case 1: return s;
    case 2: return f * s / (i + 1.0);
    case 3: return f * s * (1.0 + (i + 1.0) / n);
    case 4: return odd ? 1.0 : f * s;
    case 5: return draw(random) * s;
    case 6: return f * s * s;
    case 7: return s * f * f / (s + 1.0);
    case 8: return 2.0 * draw(random);
    case 9: return f * f > (5.0 * s) * (5.0 * s) ? 5.0 * s : f * s;
    case 10: return f + drawSign(random) * s;
    case 11: return odd ? f * s : 2.0 * f * s;
    case 12: return f + s;
    case 13: return f - s;
    default: return std::nullopt;
    }
}

// The horizontal table; the vertical one swaps modes 10 and 11.
std::optional<double> offset(int32_t mode, double i, double n, double d, double o, bool odd,
                             RandomSource& random)
{
    switch (mode) {
    case 0: return 0.0;
    case 1: return d;
    case 2: return o + d;
    case 3: return o + d / (i + 1.0);
    case 4: return o + (i + 1.0) * d;
    case 5: return o + d / (n - i + 1.0);
    case 6: return o + (n - i + 1.0) * d;
    case 7: return odd ? o : o + d;
    case 8: return o + draw(random) * d;
    case 9: return o + d * d;
    case 10: return draw(random) * d;
    case 11: {
        const double sign = drawSign(random);
        return sign * draw(random) * d;
    }
    case 12: return o * o > (5.0 * d) * (5.0 * d) ? 5.0 * d : o + d;
    case 13: return o + drawSign(random) * d;
    case 14: return odd ? o + d : o + 2.0 * d;
    case 15: return odd ? -(o + d) : o + d;
    default: return std::nullopt;
    }
}

void store(std::optional<double> value, float& target)
{
    if (value)
        target = static_cast<float>(*value);
}

struct Point {
    double x;
    double y;
};

// Negates x, y, both or neither by j mod 4 (0, 1, 2, 3 in that order: none, x, y, both).
Point negatedByQuarter(Point p, int32_t j)
{
    const int32_t quarter = ((j % 4) + 4) % 4;
    if (quarter == 1 || quarter == 3)
        p.x = -p.x;
    if (quarter == 2 || quarter == 3)
        p.y = -p.y;
    return p;
}

struct Pivot {
    Point t2;
    std::optional<Point> t1; // -t2 when absent
};

class PivotCalculator {
public:
    PivotCalculator(const ScalePivotInputs& in, RandomSource& random, HostMath& math)
        : in_(in), random_(random), math_(math),
          cx_(double(in.copyBounds.left) + (double(in.copyBounds.right) - in.copyBounds.left) / 2.0),
          cy_(double(in.copyBounds.bottom) + (double(in.copyBounds.top) - in.copyBounds.bottom) / 2.0),
          oh_(in.oh), ov_(in.ov), w_(in.width), h_(in.height)
    {
    }

    std::optional<Pivot> compute(int32_t mode, TvRealPoint average)
    {
        const int32_t j = in_.j;
        switch (mode) {
        case 0: return centred({cx_ + oh_, cy_ + ov_});
        case 1: return centred({in_.copyBounds.left + oh_, in_.copyBounds.top + ov_});
        case 2: return centred({in_.copyBounds.right + oh_, in_.copyBounds.bottom + ov_});
        case 3: {
            const double x = cx_ + oh_ + 100.0 * draw(random_);
            return centred({x, cy_ + ov_ + 100.0 * draw(random_)});
        }
        case 4: return centred({cx_ + oh_ + 500.0 * cosTheta(), cy_ + ov_ + 500.0 * sinTheta()});
        case 5:
            return centred({in_.selectedCentre.h + oh_ + 500.0 * cosTheta(),
                            in_.selectedCentre.v + ov_ + 500.0 * sinTheta()});
        case 6: return centred({in_.firstCentre.h + oh_, in_.firstCentre.v + ov_});
        case 7: return Pivot{{oh_, ov_}, Point{-cx_, -cy_}};
        case 8: return centred({w_ / 2.0 + oh_, h_ / 2.0 + ov_});
        case 9: return Pivot{{oh_, h_ / 2.0 + ov_}, Point{0.0, -(h_ / 2.0 + ov_)}};
        case 10: return centred({w_ + oh_, h_ + ov_});
        case 11: return Pivot{{w_ / 2.0 + oh_, ov_}, Point{-(w_ / 2.0 + oh_), 0.0}};
        case 12: return centred({w_ / 2.0 + oh_, h_ + ov_});
        case 13: return centred({cx_ + oh_, h_ + ov_});
        case 14: return centred({oh_, ov_});
        case 15: return centred({average.h + oh_, average.v + ov_});
        case 16: {
            const double x = draw(random_) * w_ + oh_;
            return centred({x, draw(random_) * h_ + ov_});
        }
        case 17: {
            const double rise = 500.0 / (double(j) + 1.0);
            return centred({in_.selectedCentre.h + oh_ + 100.0 * j,
                            in_.selectedCentre.v + ov_ + (isOdd(j) ? -rise : rise)});
        }
        case 18: {
            Point p{cx_ + oh_, cy_ + ov_};
            if (isOdd(j))
                p.x = -p.x;
            return centred(p);
        }
        case 19: {
            Point p{cx_ + oh_, cy_ + ov_};
            if (isOdd(j))
                p.y = -p.y;
            return centred(p);
        }
        case 20: return centred(negatedByQuarter({cx_ + oh_, cy_ + ov_}, j));
        case 21: {
            Point p{cx_ + oh_ + (oh_ + 200.0) * cosTheta(), cy_ + ov_ + (ov_ + 200.0) * sinTheta()};
            if (isOdd(j))
                p.x = -p.x;
            return centred(p);
        }
        case 22:
            return centred(negatedByQuarter({cx_ + (oh_ + 200.0) * cosTheta(), cy_ + (ov_ + 200.0) * sinTheta()}, j));
        case 23: {
            const double cos2 = math_.cosine(static_cast<float>(2.0 * theta()));
            return centred(negatedByQuarter({cx_ + (oh_ + 200.0) * cos2, cy_ + (ov_ + 200.0) * sinTheta()}, j));
        }
        default: return std::nullopt;
        }
    }

private:
    static Pivot centred(Point p) { return Pivot{p, std::nullopt}; }

    // 360 j / n degrees, converted once by the host.
    double theta()
    {
        if (!theta_)
            theta_ = math_.degreesToRadians(static_cast<float>(360.0 * in_.j / in_.n));
        return *theta_;
    }
    double cosTheta() { return math_.cosine(static_cast<float>(theta())); }
    double sinTheta() { return math_.sine(static_cast<float>(theta())); }

    const ScalePivotInputs& in_;
    RandomSource& random_;
    HostMath& math_;
    double cx_;
    double cy_;
    double oh_;
    double ov_;
    double w_;
    double h_;
    std::optional<double> theta_;
};

TvRealPoint toReal(Point p) { return {static_cast<float>(p.x), static_cast<float>(p.y)}; }

} // namespace

void nextScaleFactor(int32_t mode, int32_t i, int32_t n, float s, float& f, RandomSource& random)
{
    store(scaleFactor(mode, i, n, s, f, isOdd(i), random), f);
}

void nextHorizontalOffset(int32_t mode, int32_t i, int32_t n, float d, float& o, RandomSource& random)
{
    store(offset(mode, i, n, d, o, isOdd(i), random), o);
}

void nextVerticalOffset(int32_t mode, int32_t i, int32_t n, float d, float& o, RandomSource& random)
{
    // Vertical " Random <= " is the signed one and " Random either way" the
    // unsigned one: the opposite of the horizontal list.
    const int32_t horizontalMode = mode == 10 ? 11 : mode == 11 ? 10 : mode;
    nextHorizontalOffset(horizontalMode, i, n, d, o, random);
}

void scalePivot(int32_t mode, const ScalePivotInputs& inputs, TvRealPoint& averageCentre,
                ScaleTranslations& translations, RandomSource& random, HostMath& math)
{
    PivotCalculator calculator(inputs, random, math);
    const std::optional<Pivot> pivot = calculator.compute(mode, averageCentre);
    if (!pivot)
        return; // keeps the caller's values: (0, 0) until a known mode has written them
    translations.t2 = toReal(pivot->t2);
    translations.t1 = toReal(pivot->t1.value_or(Point{-pivot->t2.x, -pivot->t2.y}));
    if (mode == 15)
        averageCentre = translations.t2;
}

} // namespace tovrins
