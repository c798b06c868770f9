// Running factors and offsets of the scale filter, and the pivot translations.
// Everything is evaluated in double and stored back as float, so a series
// rounds once per copy rather than once per operation.
#include "scale/scale_copy_values.hpp"

#include "shell/filter_params.hpp"
#include "scale/scale_modes.hpp"

#include <optional>

namespace tovrins {

namespace {

bool isOdd(int32_t i) { return i % 2 != 0; }

double draw(RandomSource& random) { return static_cast<double>(random.next()); }

// +1 when the draw exceeds 0.5, -1 otherwise (0.5 included).
double drawSign(RandomSource& random) { return draw(random) > 0.5 ? 1.0 : -1.0; }

std::optional<double> scaleFactor(int32_t mode, double i, double n, double s, double f, bool odd, RandomSource& random)
{
    switch (static_cast<ScaleVariation>(mode)) {
    case ScaleVariation::Default: return f * s;
    case ScaleVariation::AsSet: return s;
    case ScaleVariation::Accelerating: return f * s / (i + 1.0);
    case ScaleVariation::DirectionReversed: return f * s * (1.0 + (i + 1.0) / n);
    case ScaleVariation::Skip: return odd ? 1.0 : f * s;
    case ScaleVariation::Random: return draw(random) * s;
    case ScaleVariation::Rapid: return f * s * s;
    case ScaleVariation::Jumps: return s * f * f / (s + 1.0);
    case ScaleVariation::TotalRandom: return 2.0 * draw(random);
    case ScaleVariation::Threshold: return f * f > (5.0 * s) * (5.0 * s) ? 5.0 * s : f * s;
    case ScaleVariation::EitherWay: return f + drawSign(random) * s;
    case ScaleVariation::DoubledAlternate: return odd ? f * s : 2.0 * f * s;
    case ScaleVariation::Addition: return f + s;
    case ScaleVariation::Subtraction: return f - s;
    default: return std::nullopt;
    }
}

// The horizontal table; the vertical one swaps modes 10 and 11.
std::optional<double> offset(int32_t mode, double i, double n, double d, double o, bool odd, RandomSource& random)
{
    switch (static_cast<ScaleTranslationVariation>(mode)) {
    case ScaleTranslationVariation::Ignore: return 0.0;
    case ScaleTranslationVariation::AsSet: return d;
    case ScaleTranslationVariation::Uniform: return o + d;
    case ScaleTranslationVariation::Decreasing: return o + d / (i + 1.0);
    case ScaleTranslationVariation::Increasing: return o + (i + 1.0) * d;
    case ScaleTranslationVariation::SlowStart: return o + d / (n - i + 1.0);
    case ScaleTranslationVariation::SlowDown: return o + (n - i + 1.0) * d;
    case ScaleTranslationVariation::Skip: return odd ? o : o + d;
    case ScaleTranslationVariation::Random: return o + draw(random) * d;
    case ScaleTranslationVariation::Rapid: return o + d * d;
    case ScaleTranslationVariation::RandomUpTo: return draw(random) * d;
    case ScaleTranslationVariation::RandomEitherWay: {
        const double sign = drawSign(random);
        return sign * draw(random) * d;
    }
    case ScaleTranslationVariation::Threshold: return o * o > (5.0 * d) * (5.0 * d) ? 5.0 * d : o + d;
    case ScaleTranslationVariation::EitherWay: return o + drawSign(random) * d;
    case ScaleTranslationVariation::Doubled: return odd ? o + d : o + 2.0 * d;
    case ScaleTranslationVariation::UniformVariant: return odd ? -(o + d) : o + d;
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
    PivotCalculator(const ScaleCopyInputs& in, RandomSource& random, HostMath& math)
        : in_(in),
          random_(random),
          math_(math),
          cx_(double(in.copyBounds.left) + (double(in.copyBounds.right) - in.copyBounds.left) / 2.0),
          cy_(double(in.copyBounds.bottom) + (double(in.copyBounds.top) - in.copyBounds.bottom) / 2.0),
          oh_(in.oh),
          ov_(in.ov),
          w_(in.width),
          h_(in.height)
    {
    }

    std::optional<Pivot> compute(int32_t mode, TvRealPoint average)
    {
        const int32_t j = in_.j;
        switch (static_cast<ScaleCentreMode>(mode)) {
        case ScaleCentreMode::CopiesCentre: return centred({cx_ + oh_, cy_ + ov_});
        case ScaleCentreMode::TopLeftPath: return centred({in_.copyBounds.left + oh_, in_.copyBounds.top + ov_});
        case ScaleCentreMode::BottomRightPath:
            return centred({in_.copyBounds.right + oh_, in_.copyBounds.bottom + ov_});
        case ScaleCentreMode::Random100: {
            const double x = cx_ + oh_ + 100.0 * draw(random_);
            return centred({x, cy_ + ov_ + 100.0 * draw(random_)});
        }
        case ScaleCentreMode::Circular500New:
            return centred({cx_ + oh_ + 500.0 * cosTheta(), cy_ + ov_ + 500.0 * sinTheta()});
        case ScaleCentreMode::Circular500Original:
            return centred(
                {in_.selectedCentre.h + oh_ + 500.0 * cosTheta(), in_.selectedCentre.v + ov_ + 500.0 * sinTheta()});
        case ScaleCentreMode::LastCreatedPath: return centred({in_.firstCentre.h + oh_, in_.firstCentre.v + ov_});
        case ScaleCentreMode::Origin: return Pivot{{oh_, ov_}, Point{-cx_, -cy_}};
        case ScaleCentreMode::DocumentCentre: return centred({w_ / 2.0 + oh_, h_ / 2.0 + ov_});
        case ScaleCentreMode::DocumentLeft: return Pivot{{oh_, h_ / 2.0 + ov_}, Point{0.0, -(h_ / 2.0 + ov_)}};
        case ScaleCentreMode::DocumentRight: return centred({w_ + oh_, h_ + ov_});
        case ScaleCentreMode::DocumentBottom: return Pivot{{w_ / 2.0 + oh_, ov_}, Point{-(w_ / 2.0 + oh_), 0.0}};
        case ScaleCentreMode::DocumentTop: return centred({w_ / 2.0 + oh_, h_ + ov_});
        case ScaleCentreMode::Upwards: return centred({cx_ + oh_, h_ + ov_});
        case ScaleCentreMode::Distant: return centred({oh_, ov_});
        case ScaleCentreMode::AverageOfPaths: return centred({average.h + oh_, average.v + ov_});
        case ScaleCentreMode::Random: {
            const double x = draw(random_) * w_ + oh_;
            return centred({x, draw(random_) * h_ + ov_});
        }
        case ScaleCentreMode::Bend: {
            const double rise = 500.0 / (double(j) + 1.0);
            return centred(
                {in_.selectedCentre.h + oh_ + 100.0 * j, in_.selectedCentre.v + ov_ + (isOdd(j) ? -rise : rise)});
        }
        case ScaleCentreMode::Splitter1: {
            Point p{cx_ + oh_, cy_ + ov_};
            if (isOdd(j))
                p.x = -p.x;
            return centred(p);
        }
        case ScaleCentreMode::Splitter2: {
            Point p{cx_ + oh_, cy_ + ov_};
            if (isOdd(j))
                p.y = -p.y;
            return centred(p);
        }
        case ScaleCentreMode::Splitter3: return centred(negatedByQuarter({cx_ + oh_, cy_ + ov_}, j));
        case ScaleCentreMode::Splitter4: {
            Point p{cx_ + oh_ + (oh_ + 200.0) * cosTheta(), cy_ + ov_ + (ov_ + 200.0) * sinTheta()};
            if (isOdd(j))
                p.x = -p.x;
            return centred(p);
        }
        case ScaleCentreMode::Tentacle1:
            return centred(negatedByQuarter({cx_ + (oh_ + 200.0) * cosTheta(), cy_ + (ov_ + 200.0) * sinTheta()}, j));
        case ScaleCentreMode::Tentacle2: {
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

    const ScaleCopyInputs& in_;
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

void scaleAdvanceFactor(int32_t mode, int32_t i, int32_t n, float s, float& f, RandomSource& random)
{
    store(scaleFactor(mode, i, n, s, f, isOdd(i), random), f);
}

void scaleAdvanceHorizontalOffset(int32_t mode, int32_t i, int32_t n, float d, float& o, RandomSource& random)
{
    store(offset(mode, i, n, d, o, isOdd(i), random), o);
}

void scaleAdvanceVerticalOffset(int32_t mode, int32_t i, int32_t n, float d, float& o, RandomSource& random)
{
    // Vertical " Random <= " is the signed one and " Random either way" the
    // unsigned one: the opposite of the horizontal list.
    constexpr int32_t kRandomUpTo = modeValue(ScaleTranslationVariation::RandomUpTo);
    constexpr int32_t kRandomEitherWay = modeValue(ScaleTranslationVariation::RandomEitherWay);
    const int32_t horizontalMode = mode == kRandomUpTo ? kRandomEitherWay
        : mode == kRandomEitherWay                     ? kRandomUpTo
                                                       : mode;
    scaleAdvanceHorizontalOffset(horizontalMode, i, n, d, o, random);
}

void scalePlaceCopy(int32_t mode, const ScaleCopyInputs& inputs, TvRealPoint& averageCentre,
                    ScaleCopyPlacement& translations, RandomSource& random, HostMath& math)
{
    PivotCalculator calculator(inputs, random, math);
    const std::optional<Pivot> pivot = calculator.compute(mode, averageCentre);
    if (!pivot)
        return; // keeps the caller's values: (0, 0) until a known mode has written them
    translations.t2 = toReal(pivot->t2);
    translations.t1 = toReal(pivot->t1.value_or(Point{-pivot->t2.x, -pivot->t2.y}));
    if (mode == modeValue(ScaleCentreMode::AverageOfPaths))
        averageCentre = translations.t2;
}

} // namespace tovrins
