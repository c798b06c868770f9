#include "rotate/rotate_copy_values.hpp"

#include "shell/filter_params.hpp"
#include "rotate/rotate_modes.hpp"

namespace tovrins {

namespace {

bool isEven(int32_t i) { return i % 2 == 0; }

float toFloat(double value) { return static_cast<float>(value); }

// The offset modes; the angle modes share them with shifted values.
// Formulas run in double and are rounded once, when the accumulator is set.
void advanceRunning(RotateOffsetMode mode, int32_t i, int32_t n, float v, float& a, RandomSource& random)
{
    const double step = v;
    const double current = a;
    switch (mode) {
    case RotateOffsetMode::Ignore: a = 0.0f; break;
    case RotateOffsetMode::AsSet: a = v; break;
    case RotateOffsetMode::Uniform: a = toFloat(current + step); break;
    case RotateOffsetMode::Decreasing: a = toFloat(current + step / (i + 1.0)); break;
    case RotateOffsetMode::Increasing: a = toFloat(current + step * (i + 1.0)); break;
    case RotateOffsetMode::SlowStart: a = toFloat(current + step / (static_cast<double>(n) - i + 1.0)); break;
    case RotateOffsetMode::SlowDown: a = toFloat(current + step * (static_cast<double>(n) - i + 1.0)); break;
    case RotateOffsetMode::Skip:
        if (isEven(i))
            a = toFloat(current + step);
        break;
    case RotateOffsetMode::Random: a = toFloat(current + random.next() * step); break;
    case RotateOffsetMode::Rapid: a = toFloat(current + step * step); break;
    case RotateOffsetMode::RandomUpTo: a = toFloat(random.next() * step); break;
    case RotateOffsetMode::Jitter: {
        const double sign = random.next() > 0.5f ? 1.0 : -1.0;
        a = toFloat(sign * random.next() * step);
        break;
    }
    case RotateOffsetMode::Limits: {
        // Unrounded squares; a tie still adds the step.
        const double limit = 5.0 * step;
        a = toFloat(current * current > limit * limit ? limit : current + step);
        break;
    }
    case RotateOffsetMode::EitherWay: a = toFloat(random.next() > 0.5f ? current + step : current - step); break;
    case RotateOffsetMode::Doubled: a = toFloat(current + (isEven(i) ? 2.0 * step : step)); break;
    default:
        // Not a mode this build knows: the accumulator stays as it is.
        break;
    }
}

// radial x (cos phi, sin phi); the host is not asked at all for radial 0.
struct Polar {
    double x = 0.0;
    double y = 0.0;
};

Polar polarOffset(float radial, float phi, HostMath& math)
{
    if (radial == 0.0f)
        return {};
    return {static_cast<double>(radial) * math.cosine(phi), static_cast<double>(radial) * math.sine(phi)};
}

// Band 1 to bandCount of copy i for banded centre modes; 0 past the last band
// (always so when n < 4).
int32_t bandOf(int32_t i, int32_t n, int32_t bandCount)
{
    const int32_t k = n / 4;
    if (k <= 0 || i < 0 || i >= bandCount * k)
        return 0;
    return i / k + 1;
}

struct QuadrantSigns {
    double x;
    double y;
};

QuadrantSigns quadrantSigns(int32_t band)
{
    switch (band) {
    case 1: return {-1.0, -1.0};
    case 2: return {-1.0, 1.0};
    case 3: return {1.0, -1.0};
    default: return {1.0, 1.0};
    }
}

// sign x (base) plus the random term; a negative sign rounds the base to
// float before the term is subtracted.
float signedSpread(double base, double sign, double term)
{
    if (sign < 0.0)
        return toFloat(static_cast<double>(toFloat(base)) - term);
    return toFloat(base + term);
}

// An angle mode from Decreasing on is the offset mode this many values lower.
constexpr int32_t kAngleToOffsetShift =
    modeValue(RotateAngleMode::Decreasing) - modeValue(RotateOffsetMode::Decreasing);
static_assert(modeValue(RotateAngleMode::Doubled) - kAngleToOffsetShift == modeValue(RotateOffsetMode::Doubled));

} // namespace

void rotateAdvanceOffset(int32_t mode, int32_t i, int32_t n, float v, float& a, RandomSource& random)
{
    advanceRunning(static_cast<RotateOffsetMode>(mode), i, n, v, a, random);
}

void rotateAdvanceAngle(int32_t mode, int32_t i, int32_t n, float v, float& a, RandomSource& random, HostMath& math)
{
    const auto spread = [&](double turn) {
        const float degrees = toFloat(turn / n);
        a = toFloat(static_cast<double>(a) + math.degreesToRadians(degrees));
    };
    switch (static_cast<RotateAngleMode>(mode)) {
    case RotateAngleMode::Default: advanceRunning(RotateOffsetMode::Uniform, i, n, v, a, random); break;
    case RotateAngleMode::AsSet: advanceRunning(RotateOffsetMode::AsSet, i, n, v, a, random); break;
    case RotateAngleMode::FullCircle: spread(360.0); break;
    case RotateAngleMode::SemiCircle: spread(180.0); break;
    case RotateAngleMode::QuarterCircle: spread(90.0); break;
    default:
        // Decreasing to Doubled are the offset modes Decreasing to Doubled;
        // anything else is unknown to both tables and changes nothing.
        if (mode >= modeValue(RotateAngleMode::Decreasing) && mode <= modeValue(RotateAngleMode::Doubled))
            advanceRunning(static_cast<RotateOffsetMode>(mode - kAngleToOffsetShift), i, n, v, a, random);
        break;
    }
}

void rotatePlaceCopy(int32_t mode, int32_t i, int32_t n, const RotateCopyInputs& inputs,
                     std::optional<RotateCopyPlacement>& placement, RandomSource& random, HostMath& math)
{
    const TvRealRect& box = inputs.bounds;
    const float cx = toFloat(box.left + (static_cast<double>(box.right) - box.left) / 2.0);
    const float cy = toFloat(box.bottom + (static_cast<double>(box.top) - box.bottom) / 2.0);
    const double h = inputs.horizontal;
    const double v = inputs.vertical;
    const float angle = inputs.angle;

    // The pivot plus (horizontal + rx, vertical + ry) at phi = angle.
    const auto shared = [&](TvRealPoint pivot) {
        const Polar p = polarOffset(inputs.radial, angle, math);
        return RotateCopyPlacement{pivot, angle, {toFloat(pivot.h + (h + p.x)), toFloat(pivot.v + (v + p.y))}};
    };
    const auto userCentre = [&](float turn) {
        const Polar p = polarOffset(inputs.radial, turn, math);
        return RotateCopyPlacement{{inputs.horizontal, inputs.vertical}, turn, {toFloat(h + p.x), toFloat(v + p.y)}};
    };
    // A banded copy past its last band turns about its own pivot but keeps
    // the previous target of the run; with none yet it stays where it is.
    const auto keepTarget = [&](TvRealPoint pivot) {
        return RotateCopyPlacement{pivot, angle, placement ? placement->target : pivot};
    };

    switch (static_cast<RotateCentreMode>(mode)) {
    case RotateCentreMode::CopiesCentre: placement = shared({cx, box.bottom}); break;
    case RotateCentreMode::PathsTop: placement = shared({cx, box.top}); break;
    case RotateCentreMode::UserDefinedCentre: placement = userCentre(angle); break;
    case RotateCentreMode::Flipback:
        if (i + 1 <= n / 2) {
            placement = shared({cx, box.bottom});
        } else {
            const float flipped = -angle;
            const Polar p = polarOffset(inputs.radial, flipped, math);
            placement =
                RotateCopyPlacement{{cx, box.bottom}, flipped, {toFloat(cx + h + p.x), toFloat(box.bottom + v + p.y)}};
        }
        break;
    case RotateCentreMode::PathCentre: placement = shared({cx, cy}); break;
    case RotateCentreMode::DocumentCentre:
        placement = shared({toFloat(inputs.documentSize.h * 0.5), toFloat(inputs.documentSize.v * 0.5)});
        break;
    case RotateCentreMode::PathSplitIncrease: {
        const int32_t band = bandOf(i, n, 5);
        if (band == 0) {
            placement = keepTarget({cx, cy});
            break;
        }
        const Polar p = polarOffset(inputs.radial, angle, math);
        placement = RotateCopyPlacement{{cx, cy}, angle, {toFloat(cx + band * p.x + h), toFloat(cy + band * p.y + v)}};
        break;
    }
    case RotateCentreMode::CentreAlternateRadius:
        if (isEven(i)) {
            placement = userCentre(angle);
        } else {
            placement =
                RotateCopyPlacement{{inputs.horizontal, inputs.vertical}, angle, {inputs.horizontal, inputs.vertical}};
        }
        break;
    case RotateCentreMode::PathWorm: {
        const int32_t band = bandOf(i, n, 4);
        if (band == 0) {
            placement = keepTarget({cx, cy});
            break;
        }
        const QuadrantSigns s = quadrantSigns(band);
        const Polar p = polarOffset(inputs.radial, angle, math);
        placement = RotateCopyPlacement{{cx, cy}, angle, {toFloat(cx + p.x + s.x * h), toFloat(cy + p.y + s.y * v)}};
        break;
    }
    case RotateCentreMode::RadiusSplitter: {
        const int32_t band = bandOf(i, n, 4);
        if (band == 0) {
            placement = keepTarget({cx, cy});
            break;
        }
        const QuadrantSigns s = quadrantSigns(band);
        const Polar p = polarOffset(inputs.radial, toFloat(2.0 * angle), math);
        const double r1 = random.next();
        const double r2 = random.next();
        placement = RotateCopyPlacement{
            {cx, cy}, angle, {signedSpread(cx + p.x, s.x, r1 * h), signedSpread(cy + p.y, s.y, r2 * v)}};
        break;
    }
    case RotateCentreMode::AverageOfPaths: placement = shared(inputs.averageCentre); break;
    case RotateCentreMode::LastCreatedPath: placement = shared(inputs.firstCentre); break;
    case RotateCentreMode::Randomised: {
        // Both draws come before any trigonometry.
        const float px = toFloat(inputs.documentSize.h * static_cast<double>(random.next()));
        const float py = toFloat(inputs.documentSize.v * static_cast<double>(random.next()));
        placement = shared({px, py});
        break;
    }
    case RotateCentreMode::AlternateFlip:
        placement = userCentre(isEven(i) ? angle : toFloat(angle + static_cast<double>(28.64789f)));
        break;
    case RotateCentreMode::Marching: {
        const Polar p = polarOffset(inputs.radial, angle, math);
        placement = RotateCopyPlacement{
            {cx, box.bottom}, angle, {toFloat(cx + i * h + p.x), toFloat(box.bottom + i * v + p.y)}};
        break;
    }
    default:
        // An unknown mode keeps the previous placement of the run; the first
        // copy of a run turns in place about its centre.
        if (!placement)
            placement = RotateCopyPlacement{{cx, cy}, angle, {cx, cy}};
        break;
    }
}

} // namespace tovrins
