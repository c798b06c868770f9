#include "translate_copy_values.hpp"

#include <optional>

namespace tovrins {
namespace {

struct Move {
    float tx;
    float ty;
};

float sign(RandomSource& random) { return random.next() > 0.5f ? 1.0f : -1.0f; }

float toFloat(int32_t value) { return static_cast<float>(value); }

bool isEven(int32_t value) { return value % 2 == 0; }

// " Threshold": snap back to five steps once the offset has outgrown them.
float threshold(float step, float offset) {
    const float limit = 5.0f * step;
    return limit * limit < offset * offset ? limit : offset + step;
}

// " Bounce back": the old offset decides, and the flip stays in the step.
float bounce(float& step, float offset, float extent) {
    if (offset > extent || offset < 0.0f) {
        step = -step;
    }
    return offset + step;
}

// Placement 21's fixed angle, handed to the host's sine and cosine as it is
// (radians), without a conversion from degrees.
constexpr float kTriAngle = 19.09859f;

// The copy's angle: (i * 360) / n degrees, converted by the host.
float copyAngle(const TranslateCopyInputs& in, HostMath& math) {
    return math.degreesToRadians(toFloat(in.i) * 360.0f / toFloat(in.n));
}

// Moves along the ellipse with radii x and y.
Move ellipse(const TranslateCopyInputs& in, HostMath& math, float scale) {
    const float a = copyAngle(in, math);
    return {scale * in.x * math.cosine(a), scale * in.y * math.sine(a)};
}

Move twist(const TranslateCopyInputs& in, HostMath& math) {
    const float a = copyAngle(in, math);
    return {in.x * math.cosine(a + a), in.y * math.sine(a)};
}

Move twister(const TranslateCopyInputs& in, HostMath& math) {
    const float a = copyAngle(in, math);
    return {in.x * math.cosine(a * 3.0f), in.y * math.sine(a + a)};
}

Move rotateVariant(const TranslateCopyInputs& in, HostMath& math) {
    const float a = copyAngle(in, math);
    const float sinA = math.sine(a);
    const float cosA = math.cosine(a);
    return {in.x * (sinA + cosA), in.y * (cosA - sinA)};
}

Move turnTurnTurn(const TranslateCopyInputs& in, HostMath& math) {
    const float a = copyAngle(in, math);
    const float a3 = a * 3.0f;
    return {in.x * (math.sine(a) + math.cosine(a3)), in.y * (math.cosine(a) - math.sine(a3))};
}

// Four quadrants by quarter of the run; the last n mod 4 copies twist.
Move missionOrbit(const TranslateCopyInputs& in, HostMath& math) {
    const int32_t q = in.n / 4;
    if (in.i < q) return {in.x, in.y};
    if (in.i < 2 * q) return {-in.x, in.y};
    if (in.i < 3 * q) return {-in.x, -in.y};
    if (in.i < 4 * q) return {in.x, -in.y};
    return twist(in, math);
}

Move squared(const TranslateCopyInputs& in, HostMath& math) {
    const int32_t q = in.n / 4;
    if (in.i < q) return {0.0f, in.y};
    if (in.i < 2 * q) return {in.x, 0.0f};
    if (in.i < 3 * q) return {0.0f, -in.y};
    if (in.i < 4 * q) return {-in.x, 0.0f};
    return twist(in, math);
}

// Copies past the last full quarter get no move of their own.
std::optional<Move> lined(const TranslateCopyInputs& in) {
    const int32_t q = in.n / 4;
    if (in.i < q) return Move{in.x, 0.0f};
    if (in.i < 2 * q) return Move{in.x, in.v};
    if (in.i < 3 * q) return Move{in.x, 2.0f * in.v};
    if (in.i < 4 * q) return Move{in.x, 3.0f * in.v};
    return std::nullopt;
}

Move upDown(const TranslateCopyInputs& in) {
    const float i = toFloat(in.i);
    switch (in.i % 5) {
    case 0:
        return {i * in.x, 0.0f};
    case 1:
        return {i * in.x, in.y};
    case 2:
        return {(i + 0.5f) * in.x, in.y};
    case 3:
        return {(i + 0.5f) * in.x, -in.y};
    default:
        return {toFloat(in.i + 1) * in.x, -in.y};
    }
}

Move squaredSpiral(const TranslateCopyInputs& in) {
    const int32_t step = in.i % 20;
    if (step < 5) return {in.x, in.y};
    if (step < 10) return {-in.x, in.y};
    if (step < 15) return {-in.x, -in.y};
    return {in.x, -in.y};
}

Move triAngled(const TranslateCopyInputs& in, HostMath& math) {
    const float cosK = math.cosine(kTriAngle);
    const int32_t step = in.i % 18;
    if (step < 6) return {in.x * cosK, in.y * math.sine(kTriAngle)};
    if (step < 12) return {in.x * cosK, -in.y * math.sine(kTriAngle)};
    return {-in.x * cosK, 0.0f};
}

// A fraction (i + 1) / n of the way from the copy's centre to the target.
Move approach(const TranslateCopyInputs& in, float targetX, float targetY) {
    const float mx = in.bounds.left + (in.bounds.right - in.bounds.left) / 2.0f;
    const float my = in.bounds.bottom + (in.bounds.top - in.bounds.bottom) / 2.0f;
    const float share = toFloat(in.i + 1);
    const float n = toFloat(in.n);
    return {share * (targetX - mx) / n, share * (targetY - my) / n};
}

Move randomInDocument(const TranslateCopyInputs& in, RandomSource& random) {
    const float mx = in.bounds.left + (in.bounds.right - in.bounds.left) / 2.0f;
    const float my = in.bounds.bottom + (in.bounds.top - in.bounds.bottom) / 2.0f;
    const float r1 = random.next();
    const float r2 = random.next();
    return {r1 * in.width - mx, r2 * in.depth - my};
}

std::optional<Move> placementMove(int32_t mode, const TranslateCopyInputs& in, RandomSource& random,
                                  HostMath& math) {
    const float x = in.x;
    const float y = in.y;
    const float i = toFloat(in.i);
    const bool evenCopy = isEven(in.i);
    const bool evenObject = isEven(in.s);
    switch (mode) {
    case 0:
        return Move{x, y};
    case 1:
        return ellipse(in, math, 1.0f);
    case 2:
        switch (in.i % 3) {
        case 0:
            return Move{x, 0.0f};
        case 1:
            return Move{0.0f, y};
        default:
            return Move{x, y};
        }
    case 3:
        return evenCopy ? Move{i * x, 0.0f} : Move{i * x, y};
    case 4:
        switch (in.i % 4) {
        case 0:
            return Move{x, y};
        case 1:
            return Move{-x, y};
        case 2:
            return Move{-x, -y};
        default:
            return Move{x, -y};
        }
    case 5:
        return evenCopy ? Move{i * x, 0.0f} : Move{0.5f * i * (x * x), y};
    case 6:
        return evenCopy ? Move{i * x, i * y} : Move{toFloat(in.i + 1) * x, i * y};
    case 7:
        return evenCopy ? Move{i * x, i * y} : Move{toFloat(in.i + 1) * x, y};
    case 8:
        return evenCopy ? Move{x, y} : Move{x, -y};
    case 9: {
        const Move m = ellipse(in, math, 1.0f);
        return evenCopy ? m : Move{-m.tx, m.ty};
    }
    case 10:
        return evenCopy ? Move{x, y} : Move{-x, y};
    case 11:
        return upDown(in);
    case 12:
        return randomInDocument(in, random);
    case 13:
        return missionOrbit(in, math);
    case 14:
        return squared(in, math);
    case 15:
        return twist(in, math);
    case 16:
        return twister(in, math);
    case 17:
        return lined(in);
    case 18:
        return rotateVariant(in, math);
    case 19:
        return turnTurnTurn(in, math);
    case 20:
        return squaredSpiral(in);
    case 21:
        return triAngled(in, math);
    case 22:
        return approach(in, x, y);
    case 23:
        return approach(in, in.width / 2.0f + x, in.depth / 2.0f + y);
    case 24:
        return approach(in, in.anchor.h + x, in.anchor.v + y);
    case 25:
        return evenObject ? Move{x, y} : Move{-x, -y};
    case 26:
        return evenCopy ? Move{x, y} : Move{-x, -y};
    case 27:
        return ellipse(in, math, toFloat(in.s + 1));
    case 28: {
        const Move m = ellipse(in, math, 1.0f);
        return evenObject ? m : Move{m.tx, -m.ty};
    }
    case 29: {
        const Move m = ellipse(in, math, 1.0f);
        return evenObject ? m : Move{-m.tx, -m.ty};
    }
    default:
        return std::nullopt;
    }
}

} // namespace

// A placement outside the list writes nothing either, like the tail of
// " Lined": the engine keeps the move it holds.
void translatePlaceCopy(int32_t placement, const TranslateCopyInputs& inputs, float& tx, float& ty,
                        RandomSource& random, HostMath& math) {
    if (const std::optional<Move> move = placementMove(placement, inputs, random, math)) {
        tx = move->tx;
        ty = move->ty;
    }
}

void translateAdvanceOffset(int32_t variation, int32_t i, int32_t n, float width, float depth,
                            float& h, float& v, float& x, float& y, RandomSource& random, HostMath& math) {
    switch (variation) {
    case 0:
        x = x + h;
        y = y + v;
        break;
    case 1:
        x = h;
        y = v;
        break;
    case 2:
        x = x + h / toFloat(i + 1);
        y = y + v / toFloat(i + 1);
        break;
    case 3:
        x = x + h * toFloat(i + 1);
        y = y + v * toFloat(i + 1);
        break;
    case 4:
        x = x + h / toFloat(n - i + 1);
        y = y + v / toFloat(n - i + 1);
        break;
    case 5:
        x = x + h * toFloat(n - i + 1);
        y = y + v * toFloat(n - i + 1);
        break;
    case 6:
        if (isEven(i)) {
            x = x + h;
            y = y + v;
        }
        break;
    case 7: {
        const float r1 = random.next();
        const float r2 = random.next();
        y = y + r1 * v;
        x = x + r2 * h;
        break;
    }
    case 8:
        x = x + h * h;
        y = y + v * v;
        break;
    case 9: {
        const float r1 = random.next();
        const float r2 = random.next();
        y = r1 * v;
        x = r2 * h;
        break;
    }
    case 10: {
        const float r = random.next();
        x = r * v;
        y = r * v;
        break;
    }
    case 11:
        x = threshold(h, x);
        y = threshold(v, y);
        break;
    case 12:
        x = bounce(h, x, width);
        y = bounce(v, y, depth);
        break;
    case 13: {
        const float sx = sign(random);
        const float sy = sign(random);
        x = x + sx * h;
        y = y + sy * v;
        break;
    }
    case 14: {
        const float d = math.squareRoot(x * x + y * y);
        x = x + h + d;
        y = y + v + d;
        break;
    }
    case 15: {
        // h is a distance and v an angle in degrees here.
        const float angle = math.degreesToRadians(v);
        y = y + h * math.sine(angle);
        x = x + h * math.cosine(angle);
        break;
    }
    case 16:
        x = x + h;
        y = v;
        break;
    case 17:
        x = h;
        y = y + v;
        break;
    case 18:
        x = x + h * toFloat(i / 5 + 1);
        y = y + v * toFloat(i / 5 + 1);
        break;
    default:
        break;
    }
}

} // namespace tovrins
