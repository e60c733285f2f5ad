// Stock icon art. Shapes are inside-tests on the unit square, sampled on an
// 8 x 8 grid per pixel for smooth edges and composited front to back in
// premultiplied colour, so that one description serves every size.

#include "platform/images/StockIcons.h"

#include "platform/Gdi.h"
#include "platform/gdi/GdiObjects.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>

namespace {

struct Rgba {
    double r, g, b, a; // straight, 0..1
};

constexpr Rgba rgb(int r, int g, int b, double a = 1.0)
{
    return Rgba{r / 255.0, g / 255.0, b / 255.0, a};
}

Rgba mix(const Rgba& from, const Rgba& to, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return Rgba{from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t, from.b + (to.b - from.b) * t,
                from.a + (to.a - from.a) * t};
}

struct Point2 {
    double x, y;
};

double square(double v)
{
    return v * v;
}

double distanceToSegment(Point2 p, Point2 a, Point2 b)
{
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double lengthSquared = dx * dx + dy * dy;
    double t = lengthSquared > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / lengthSquared : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

class IconCanvas {
public:
    explicit IconCanvas(int size) : size_(size), pixels_(std::size_t(size) * std::size_t(size)) {}

    // One pixel in unit coordinates, so that fine strokes can stay at least a pixel wide.
    double pixel() const { return 1.0 / size_; }
    double snap(double v) const { return std::round(v * size_) / size_; }

    // Paints paint(x, y) wherever inside(x, y) holds.
    template <class Inside, class Paint>
    void fill(const Inside& inside, const Paint& paint)
    {
        constexpr int kGrid = 8;
        const double step = 1.0 / (size_ * kGrid);
        for (int y = 0; y < size_; ++y) {
            for (int x = 0; x < size_; ++x) {
                Premultiplied sum;
                for (int sy = 0; sy < kGrid; ++sy) {
                    const double v = (y * kGrid + sy + 0.5) * step;
                    for (int sx = 0; sx < kGrid; ++sx) {
                        const double u = (x * kGrid + sx + 0.5) * step;
                        if (!inside(u, v))
                            continue;
                        const Rgba c = paint(u, v);
                        sum.r += c.r * c.a;
                        sum.g += c.g * c.a;
                        sum.b += c.b * c.a;
                        sum.a += c.a;
                    }
                }
                if (sum.a <= 0)
                    continue;
                constexpr double kSamples = kGrid * kGrid;
                Premultiplied& d = pixels_[std::size_t(y) * std::size_t(size_) + std::size_t(x)];
                const double keep = 1 - sum.a / kSamples;
                d.r = sum.r / kSamples + d.r * keep;
                d.g = sum.g / kSamples + d.g * keep;
                d.b = sum.b / kSamples + d.b * keep;
                d.a = sum.a / kSamples + d.a * keep;
            }
        }
    }

    template <class Inside>
    void fill(const Inside& inside, const Rgba& color)
    {
        fill(inside, [color](double, double) { return color; });
    }

    PixelBufferPtr toImage() const
    {
        auto image = std::make_shared<PixelBuffer>(size_, size_);
        for (int y = 0; y < size_; ++y) {
            for (int x = 0; x < size_; ++x) {
                const Premultiplied& p = pixels_[std::size_t(y) * std::size_t(size_) + std::size_t(x)];
                const int alpha = int(std::lround(std::clamp(p.a, 0.0, 1.0) * 255));
                if (alpha == 0)
                    continue; // stays transparent black
                auto channel = [&](double premultiplied) {
                    return Pixel(std::clamp(std::lround(premultiplied / p.a * 255), 0L, 255L));
                };
                image->row(y)[x] = (Pixel(alpha) << 24) | (channel(p.r) << 16) | (channel(p.g) << 8) | channel(p.b);
            }
        }
        return image;
    }

private:
    struct Premultiplied {
        double r = 0, g = 0, b = 0, a = 0;
    };
    int size_;
    std::vector<Premultiplied> pixels_;
};

// ---- Shapes --------------------------------------------------------------------

auto disc(Point2 c, double radius)
{
    return [=](double x, double y) { return square(x - c.x) + square(y - c.y) <= radius * radius; };
}

auto ellipse(Point2 c, double rx, double ry)
{
    return [=](double x, double y) { return square((x - c.x) / rx) + square((y - c.y) / ry) <= 1; };
}

auto box(double left, double top, double right, double bottom)
{
    return [=](double x, double y) { return x >= left && x < right && y >= top && y < bottom; };
}

// A straight stroke with round ends.
auto stroke(Point2 a, Point2 b, double halfWidth)
{
    return [=](double x, double y) { return distanceToSegment({x, y}, a, b) <= halfWidth; };
}

// A circular stroke with round ends, running clockwise on screen from one
// angle to the other (degrees, 0 pointing right, 90 pointing down).
auto arcStroke(Point2 c, double radius, double halfWidth, double fromDegrees, double toDegrees)
{
    constexpr double kRadians = std::numbers::pi / 180;
    const Point2 start{c.x + radius * std::cos(fromDegrees * kRadians), c.y + radius * std::sin(fromDegrees * kRadians)};
    const Point2 end{c.x + radius * std::cos(toDegrees * kRadians), c.y + radius * std::sin(toDegrees * kRadians)};
    return [=](double x, double y) {
        if (square(x - start.x) + square(y - start.y) <= halfWidth * halfWidth
            || square(x - end.x) + square(y - end.y) <= halfWidth * halfWidth)
            return true;
        if (std::abs(std::hypot(x - c.x, y - c.y) - radius) > halfWidth)
            return false;
        double angle = std::atan2(y - c.y, x - c.x) / kRadians;
        while (angle < fromDegrees)
            angle += 360;
        return angle <= toDegrees;
    };
}

// A triangle grown by `radius` on every side, which rounds its corners.
auto roundedTriangle(Point2 a, Point2 b, Point2 c, double radius)
{
    return [=](double x, double y) {
        auto side = [&](Point2 p, Point2 q) { return (q.x - p.x) * (y - p.y) - (q.y - p.y) * (x - p.x); };
        const double s1 = side(a, b), s2 = side(b, c), s3 = side(c, a);
        if ((s1 >= 0 && s2 >= 0 && s3 >= 0) || (s1 <= 0 && s2 <= 0 && s3 <= 0))
            return true;
        const Point2 p{x, y};
        return std::min({distanceToSegment(p, a, b), distanceToSegment(p, b, c), distanceToSegment(p, c, a)}) <= radius;
    };
}

template <class A, class B>
auto both(A a, B b)
{
    return [=](double x, double y) { return a(x, y) && b(x, y); };
}

auto vertical(Rgba top, Rgba bottom, double fromY, double toY)
{
    return [=](double, double y) { return mix(top, bottom, (y - fromY) / (toY - fromY)); };
}

auto horizontal(Rgba left, Rgba right, double fromX, double toX)
{
    return [=](double x, double) { return mix(left, right, (x - fromX) / (toX - fromX)); };
}

// ---- Art -------------------------------------------------------------------------

constexpr Point2 kCentre{0.5, 0.5};
const Rgba kWhite = rgb(255, 255, 255);

// A round badge: a dark outline, a white rim and a shaded coloured face with
// a soft gloss at the top. Returns the face's radius.
double paintBadge(IconCanvas& canvas, Rgba outline, Rgba top, Rgba bottom)
{
    const double outer = 0.485;
    const double rim = outer - std::max(0.03, canvas.pixel());
    const double face = rim - std::max(0.06, 1.2 * canvas.pixel());
    canvas.fill(disc(kCentre, outer), outline);
    canvas.fill(disc(kCentre, rim), kWhite);
    canvas.fill(disc(kCentre, face), vertical(top, bottom, 0.5 - face, 0.5 + face));
    canvas.fill(both(disc(kCentre, face), ellipse({0.5, 0.5 - face * 0.45}, face * 0.7, face * 0.45)),
                rgb(255, 255, 255, 0.22));
    return face;
}

double strokeWidth(const IconCanvas& canvas, double nominal)
{
    return std::max(nominal, 0.9 * canvas.pixel());
}

void paintError(IconCanvas& canvas)
{
    const double face = paintBadge(canvas, rgb(110, 20, 20), rgb(240, 90, 75), rgb(175, 20, 15));
    const double reach = face * 0.42;
    const double half = strokeWidth(canvas, 0.055);
    canvas.fill(stroke({0.5 - reach, 0.5 - reach}, {0.5 + reach, 0.5 + reach}, half), kWhite);
    canvas.fill(stroke({0.5 + reach, 0.5 - reach}, {0.5 - reach, 0.5 + reach}, half), kWhite);
}

void paintWarning(IconCanvas& canvas)
{
    const Point2 apex{0.5, 0.1}, right{0.92, 0.86}, left{0.08, 0.86};
    const double outline = std::max(0.035, canvas.pixel());
    canvas.fill(roundedTriangle(apex, right, left, 0.06), rgb(140, 95, 0));
    canvas.fill(roundedTriangle(apex, right, left, 0.06 - outline), vertical(rgb(255, 236, 110), rgb(240, 180, 0), 0.1, 0.9));
    const Rgba ink = rgb(25, 25, 25);
    canvas.fill(stroke({0.5, 0.37}, {0.5, 0.62}, strokeWidth(canvas, 0.055)), ink);
    canvas.fill(disc({0.5, 0.76}, std::max(0.062, 1.1 * canvas.pixel())), ink);
}

Rgba badgeBlueTop()
{
    return rgb(100, 160, 235);
}

Rgba badgeBlueBottom()
{
    return rgb(20, 65, 165);
}

void paintInformation(IconCanvas& canvas)
{
    paintBadge(canvas, rgb(15, 40, 105), badgeBlueTop(), badgeBlueBottom());
    canvas.fill(disc({0.5, 0.29}, std::max(0.072, 1.1 * canvas.pixel())), kWhite);
    canvas.fill(stroke({0.5, 0.45}, {0.5, 0.71}, strokeWidth(canvas, 0.065)), kWhite);
}

void paintQuestion(IconCanvas& canvas)
{
    paintBadge(canvas, rgb(15, 40, 105), badgeBlueTop(), badgeBlueBottom());
    const double half = strokeWidth(canvas, 0.06);
    const Point2 hook{0.5, 0.37};
    const double radius = 0.13;
    canvas.fill(arcStroke(hook, radius, half, -200, 50), kWhite);
    constexpr double kEnd = 50 * std::numbers::pi / 180;
    const Point2 hookEnd{hook.x + radius * std::cos(kEnd), hook.y + radius * std::sin(kEnd)};
    canvas.fill(stroke(hookEnd, {0.5, 0.55}, half), kWhite);
    canvas.fill(stroke({0.5, 0.55}, {0.5, 0.6}, half), kWhite);
    canvas.fill(disc({0.5, 0.74}, std::max(0.068, 1.1 * canvas.pixel())), kWhite);
}

// A window: dark frame, gradient title bar, white client area. Edges sit on
// pixel boundaries so that the small size stays crisp.
void paintApplication(IconCanvas& canvas)
{
    const double px = canvas.pixel();
    const double left = canvas.snap(0.06), top = canvas.snap(0.12);
    const double right = canvas.snap(0.94), bottom = canvas.snap(0.88);
    const double title = std::max(2 * px, canvas.snap(0.16));
    canvas.fill(box(left + px, top + px, right + px, bottom + px), rgb(0, 0, 0, 0.25)); // drop shadow
    canvas.fill(box(left, top, right, bottom), rgb(60, 60, 60));
    canvas.fill(box(left + px, top + px, right - px, bottom - px), kWhite);
    canvas.fill(box(left + px, top + px, right - px, top + px + title),
                horizontal(rgb(10, 36, 106), rgb(166, 202, 240), left, right));
    // A close box on the title bar, once there is room for one.
    if (title >= 4 * px) {
        const double side = title - 2 * px;
        canvas.fill(box(right - 2 * px - side, top + 2 * px, right - 2 * px, top + 2 * px + side), rgb(212, 208, 200));
    }
}

} // namespace

PixelBufferPtr RenderStockIcon(int resourceId, int size)
{
    if (size <= 0 || size > 256)
        return nullptr;
    auto is = [resourceId](LPCSTR name) { return reinterpret_cast<std::uintptr_t>(name) == std::uintptr_t(resourceId); };
    IconCanvas canvas(size);
    if (is(IDI_APPLICATION))
        paintApplication(canvas);
    else if (is(IDI_HAND))
        paintError(canvas);
    else if (is(IDI_QUESTION))
        paintQuestion(canvas);
    else if (is(IDI_EXCLAMATION))
        paintWarning(canvas);
    else if (is(IDI_ASTERISK))
        paintInformation(canvas);
    else
        return nullptr;
    return canvas.toImage();
}

HICON StockIcon(int resourceId)
{
    static std::map<int, HICON> made;
    auto found = made.find(resourceId);
    if (found != made.end())
        return found->second;
    PixelBufferPtr large = RenderStockIcon(resourceId, 32);
    if (!large)
        return nullptr;
    auto icon = std::make_unique<IconObject>();
    icon->images = {large, RenderStockIcon(resourceId, 16)};
    icon->hotspot = POINT{16, 16};
    icon->markStock();
    auto handle = static_cast<HICON>(InsertGdiObject(std::move(icon)));
    made.emplace(resourceId, handle);
    return handle;
}
