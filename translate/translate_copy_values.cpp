#include "translate/translate_copy_values.hpp"

#include "shell/filter_params.hpp"
#include "translate/translate_modes.hpp"

#include <optional>

namespace tovrins {
namespace {

using Move = TranslateCopyPlacement;

float sign(RandomSource& random) { return random.next() > 0.5f ? 1.0f : -1.0f; }

float toFloat(int32_t value) { return static_cast<float>(value); }

bool isEven(int32_t value) { return value % 2 == 0; }

// " Threshold": snap back to five steps once the offset has outgrown them.
float threshold(float step, float offset)
{
    const float limit = 5.0f * step;
    return limit * limit < offset * offset ? limit : offset + step;
}

// " Bounce back": the old offset decides, and the flip stays in the step.
float bounce(float& step, float offset, float extent)
{
    if (offset > extent || offset < 0.0f) {
        step = -step;
    }
    return offset + step;
}

// Placement 21's fixed angle, handed to the host's sine and cosine as it is
// (radians), without a conversion from degrees.
constexpr float kTriAngle = 19.09859f;

// The copy's angle: (i * 360) / n degrees, converted by the host.
float copyAngle(const TranslateCopyInputs& in, HostMath& math)
{
    return math.degreesToRadians(toFloat(in.i) * 360.0f / toFloat(in.n));
}

// Moves along the ellipse with radii x and y.
Move ellipse(const TranslateCopyInputs& in, HostMath& math, float scale)
{
    const float a = copyAngle(in, math);
    return {scale * in.x * math.cosine(a), scale * in.y * math.sine(a)};
}

Move twist(const TranslateCopyInputs& in, HostMath& math)
{
    const float a = copyAngle(in, math);
    return {in.x * math.cosine(a + a), in.y * math.sine(a)};
}

Move twister(const TranslateCopyInputs& in, HostMath& math)
{
    const float a = copyAngle(in, math);
    return {in.x * math.cosine(a * 3.0f), in.y * math.sine(a + a)};
}

Move rotateVariant(const TranslateCopyInputs& in, HostMath& math)
{
    const float a = copyAngle(in, math);
    const float sinA = math.sine(a);
    const float cosA = math.cosine(a);
    return {in.x * (sinA + cosA), in.y * (cosA - sinA)};
}

Move turnTurnTurn(const TranslateCopyInputs& in, HostMath& math)
{
    const float a = copyAngle(in, math);
    const float a3 = a * 3.0f;
    return {in.x * (math.sine(a) + math.cosine(a3)), in.y * (math.cosine(a) - math.sine(a3))};
}

// Four quadrants by quarter of the run; the last n mod 4 copies twist.
Move missionOrbit(const TranslateCopyInputs& in, HostMath& math)
{
    const int32_t q = in.n / 4;
    if (in.i < q)
        return {in.x, in.y};
    if (in.i < 2 * q)
        return {-in.x, in.y};
    if (in.i < 3 * q)
        return {-in.x, -in.y};
    if (in.i < 4 * q)
        return {in.x, -in.y};
    return twist(in, math);
}

Move squared(const TranslateCopyInputs& in, HostMath& math)
{
    const int32_t q = in.n / 4;
    if (in.i < q)
        return {0.0f, in.y};
    if (in.i < 2 * q)
        return {in.x, 0.0f};
    if (in.i < 3 * q)
        return {0.0f, -in.y};
    if (in.i < 4 * q)
        return {-in.x, 0.0f};
    return twist(in, math);
}

// Copies past the last full quarter get no move of their own.
std::optional<Move> lined(const TranslateCopyInputs& in)
{
    const int32_t q = in.n / 4;
    if (in.i < q)
        return Move{in.x, 0.0f};
    if (in.i < 2 * q)
        return Move{in.x, in.v};
    if (in.i < 3 * q)
        return Move{in.x, 2.0f * in.v};
    if (in.i < 4 * q)
        return Move{in.x, 3.0f * in.v};
    return std::nullopt;
}

Move upDown(const TranslateCopyInputs& in)
{
    const float i = toFloat(in.i);
    switch (in.i % 5) {
    case 0: return {i * in.x, 0.0f};
    case 1: return {i * in.x, in.y};
    case 2: return {(i + 0.5f) * in.x, in.y};
    case 3: return {(i + 0.5f) * in.x, -in.y};
    default: return {toFloat(in.i + 1) * in.x, -in.y};
    }
}

Move squaredSpiral(const TranslateCopyInputs& in)
{
    const int32_t step = in.i % 20;
    if (step < 5)
        return {in.x, in.y};
    if (step < 10)
        return {-in.x, in.y};
    if (step < 15)
        return {-in.x, -in.y};
    return {in.x, -in.y};
}

Move triAngled(const TranslateCopyInputs& in, HostMath& math)
{
    const float cosK = math.cosine(kTriAngle);
    const int32_t step = in.i % 18;
    if (step < 6)
        return {in.x * cosK, in.y * math.sine(kTriAngle)};
    if (step < 12)
        return {in.x * cosK, -in.y * math.sine(kTriAngle)};
    return {-in.x * cosK, 0.0f};
}

// A fraction (i + 1) / n of the way from the copy's centre to the target.
Move approach(const TranslateCopyInputs& in, float targetX, float targetY)
{
    const float mx = in.bounds.left + (in.bounds.right - in.bounds.left) / 2.0f;
    const float my = in.bounds.bottom + (in.bounds.top - in.bounds.bottom) / 2.0f;
    const float share = toFloat(in.i + 1);
    const float n = toFloat(in.n);
    return {share * (targetX - mx) / n, share * (targetY - my) / n};
}

Move randomInDocument(const TranslateCopyInputs& in, RandomSource& random)
{
    const float mx = in.bounds.left + (in.bounds.right - in.bounds.left) / 2.0f;
    const float my = in.bounds.bottom + (in.bounds.top - in.bounds.bottom) / 2.0f;
    const float r1 = random.next();
    const float r2 = random.next();
    return {r1 * in.width - mx, r2 * in.depth - my};
}

std::optional<Move> placementMove(int32_t mode, const TranslateCopyInputs& in, RandomSource& random, HostMath& math)
{
    const float x = in.x;
    const float y = in.y;
    const float i = toFloat(in.i);
    const bool evenCopy = isEven(in.i);
    const bool evenObject = isEven(in.s);
    switch (static_cast<TranslatePlacement>(mode)) {
    case TranslatePlacement::Default: return Move{x, y};
    case TranslatePlacement::OriginalPathCentre: return ellipse(in, math, 1.0f);
    case TranslatePlacement::ThreePronged:
        switch (in.i % 3) {
        case 0: return Move{x, 0.0f};
        case 1: return Move{0.0f, y};
        default: return Move{x, y};
        }
    case TranslatePlacement::Zigzag: return evenCopy ? Move{i * x, 0.0f} : Move{i * x, y};
    case TranslatePlacement::OutwardCross:
        switch (in.i % 4) {
        case 0: return Move{x, y};
        case 1: return Move{-x, y};
        case 2: return Move{-x, -y};
        default: return Move{x, -y};
        }
    case TranslatePlacement::Pyramid: return evenCopy ? Move{i * x, 0.0f} : Move{0.5f * i * (x * x), y};
    case TranslatePlacement::Steps: return evenCopy ? Move{i * x, i * y} : Move{toFloat(in.i + 1) * x, i * y};
    case TranslatePlacement::TwoPronged: return evenCopy ? Move{i * x, i * y} : Move{toFloat(in.i + 1) * x, y};
    case TranslatePlacement::HorizontalReflection: return evenCopy ? Move{x, y} : Move{x, -y};
    case TranslatePlacement::VerticalRotateReflect: {
        const Move m = ellipse(in, math, 1.0f);
        return evenCopy ? m : Move{-m.tx, m.ty};
    }
    case TranslatePlacement::VerticalReflect: return evenCopy ? Move{x, y} : Move{-x, y};
    case TranslatePlacement::UpDown: return upDown(in);
    case TranslatePlacement::RandomInDocument: return randomInDocument(in, random);
    case TranslatePlacement::MissionOrbit: return missionOrbit(in, math);
    case TranslatePlacement::Squared: return squared(in, math);
    case TranslatePlacement::DoTheTwist: return twist(in, math);
    case TranslatePlacement::Twister: return twister(in, math);
    case TranslatePlacement::Lined: return lined(in);
    case TranslatePlacement::RotateVariant: return rotateVariant(in, math);
    case TranslatePlacement::TurnTurnTurn: return turnTurnTurn(in, math);
    case TranslatePlacement::SquaredSpiral: return squaredSpiral(in);
    case TranslatePlacement::TriAngled: return triAngled(in, math);
    case TranslatePlacement::CentreXyTranslate: return approach(in, x, y);
    case TranslatePlacement::DocumentCentreApproach: return approach(in, in.width / 2.0f + x, in.depth / 2.0f + y);
    case TranslatePlacement::LastCreatedApproach: return approach(in, in.anchor.h + x, in.anchor.v + y);
    case TranslatePlacement::PathAlternate: return evenObject ? Move{x, y} : Move{-x, -y};
    case TranslatePlacement::AlternateDirections: return evenCopy ? Move{x, y} : Move{-x, -y};
    case TranslatePlacement::PathRadius: return ellipse(in, math, toFloat(in.s + 1));
    case TranslatePlacement::AlternateRadius: {
        const Move m = ellipse(in, math, 1.0f);
        return evenObject ? m : Move{m.tx, -m.ty};
    }
    case TranslatePlacement::Opposites: {
        const Move m = ellipse(in, math, 1.0f);
        return evenObject ? m : Move{-m.tx, -m.ty};
    }
    default: return std::nullopt;
    }
}

} // namespace

// A placement outside the list writes nothing either, like the tail of
// " Lined": the engine keeps the move it holds.
void translatePlaceCopy(int32_t placement, const TranslateCopyInputs& inputs, TranslateCopyPlacement& move,
                        RandomSource& random, HostMath& math)
{
    if (const std::optional<Move> placed = placementMove(placement, inputs, random, math))
        move = *placed;
}

void translateAdvanceOffset(int32_t variation, int32_t i, int32_t n, TvRealPoint document, TranslateRunning& running,
                            RandomSource& random, HostMath& math)
{
    const float width = document.h;
    const float depth = document.v;
    float& h = running.h;
    float& v = running.v;
    float& x = running.x;
    float& y = running.y;
    switch (static_cast<TranslateVariation>(variation)) {
    case TranslateVariation::Default:
        x = x + h;
        y = y + v;
        break;
    case TranslateVariation::AsSet:
        x = h;
        y = v;
        break;
    case TranslateVariation::Decreasing:
        x = x + h / toFloat(i + 1);
        y = y + v / toFloat(i + 1);
        break;
    case TranslateVariation::Increasing:
        x = x + h * toFloat(i + 1);
        y = y + v * toFloat(i + 1);
        break;
    case TranslateVariation::SlowStart:
        x = x + h / toFloat(n - i + 1);
        y = y + v / toFloat(n - i + 1);
        break;
    case TranslateVariation::SlowDown:
        x = x + h * toFloat(n - i + 1);
        y = y + v * toFloat(n - i + 1);
        break;
    case TranslateVariation::Skip:
        if (isEven(i)) {
            x = x + h;
            y = y + v;
        }
        break;
    case TranslateVariation::Random: {
        const float r1 = random.next();
        const float r2 = random.next();
        y = y + r1 * v;
        x = x + r2 * h;
        break;
    }
    case TranslateVariation::Rapid:
        x = x + h * h;
        y = y + v * v;
        break;
    case TranslateVariation::TotalRandom: {
        const float r1 = random.next();
        const float r2 = random.next();
        y = r1 * v;
        x = r2 * h;
        break;
    }
    case TranslateVariation::TotalRandomConstrained: {
        const float r = random.next();
        x = r * v;
        y = r * v;
        break;
    }
    case TranslateVariation::Threshold:
        x = threshold(h, x);
        y = threshold(v, y);
        break;
    case TranslateVariation::BounceBack:
        x = bounce(h, x, width);
        y = bounce(v, y, depth);
        break;
    case TranslateVariation::DrunkenPath: {
        const float sx = sign(random);
        const float sy = sign(random);
        x = x + sx * h;
        y = y + sy * v;
        break;
    }
    case TranslateVariation::StrangeRoute: {
        const float d = math.squareRoot(x * x + y * y);
        x = x + h + d;
        y = y + v + d;
        break;
    }
    case TranslateVariation::DistanceRotation: {
        // h is a distance and v an angle in degrees here.
        const float angle = math.degreesToRadians(v);
        y = y + h * math.sine(angle);
        x = x + h * math.cosine(angle);
        break;
    }
    case TranslateVariation::XUniformYAsIs:
        x = x + h;
        y = v;
        break;
    case TranslateVariation::XAsIsYUniform:
        x = h;
        y = y + v;
        break;
    case TranslateVariation::Increase5:
        x = x + h * toFloat(i / 5 + 1);
        y = y + v * toFloat(i / 5 + 1);
        break;
    default: break;
    }
}

} // namespace tovrins
