#include "mouse_drawing.h"

#include "curves.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace skingen {

namespace {

constexpr float kAxis = 109.0f;  // the top view's line of symmetry

constexpr Rgb kSpine{0x30, 0x34, 0x3D};
constexpr Rgb kFlank{0x1E, 0x21, 0x27};
constexpr Rgb kSeam{0x0D, 0x0E, 0x11};
constexpr Rgb kBevel{0x3C, 0x41, 0x4B};
constexpr Rgb kRimTop{0x5E, 0x64, 0x70};
constexpr Rgb kRimBottom{0x34, 0x38, 0x41};
constexpr Rgb kCapTop{0x40, 0x45, 0x50};
constexpr Rgb kCapBottom{0x2C, 0x30, 0x38};
constexpr Rgb kPlate{0x14, 0x16, 0x1A};

// The rim light: a stroke along the outline, brighter where the light from
// above falls on it.
void drawRim(Canvas& canvas, const std::vector<PointF>& outline, float width, float top, float bottom)
{
    Gdiplus::LinearGradientBrush brush(PointF(0.0f, top - 1), PointF(0.0f, bottom + 1), gdi(pal::kRim),
                                       gdi(kRimBottom));
    Gdiplus::Color colours[] = {gdi(kRimTop), gdi(pal::kRim), gdi(kRimBottom)};
    Gdiplus::REAL positions[] = {0.0f, 0.35f, 1.0f};
    brush.SetInterpolationColors(colours, positions, 3);
    Gdiplus::Pen pen(&brush, width);
    pen.SetLineJoin(Gdiplus::LineJoinRound);
    Gdiplus::GraphicsPath path;
    path.AddPolygon(outline.data(), static_cast<INT>(outline.size()));
    check(canvas.g().DrawPath(&pen, &path), "stroke the rim");
}

// A dark seam with a faint light edge on its lower or right side, as a
// groove between two shell parts.
void drawSeam(Canvas& canvas, const std::vector<PointF>& line, float width, PointF bevelShift)
{
    std::vector<PointF> bevel;
    for (const PointF& p : line) {
        bevel.emplace_back(p.X + bevelShift.X, p.Y + bevelShift.Y);
    }
    strokePolyline(canvas, bevel, width * 0.8f, Rgba(kBevel, 150));
    strokePolyline(canvas, line, width, Rgba(kSeam, 255));
}

void drawCap(Canvas& canvas, const RectF& r, float radius, float rim)
{
    fillRoundedRect(canvas, RectF(r.X - rim * 1.2f, r.Y - rim * 1.2f, r.Width + rim * 2.4f, r.Height + rim * 2.4f),
                    radius + rim, Rgba(pal::kGroove, 255));
    Gdiplus::GraphicsPath cap;
    addRoundedRect(cap, r, radius);
    canvas.shade(cap, vertical(r.Y, r.Y + r.Height, kCapTop, kCapBottom));
    frameRoundedRect(canvas, r, radius, rim * 0.6f, Rgba(pal::kRim, 140));
}

}  // namespace

std::vector<PointF> frontOutline()
{
    // The right half from the nose clockwise to the rear, then its mirror.
    std::vector<PointF> half{PointF(kAxis, 2.5f)};
    appendBezier(half, PointF(152.0f, 2.5f), PointF(192.0f, 14.0f), PointF(206.0f, 52.0f));
    appendBezier(half, PointF(214.0f, 76.0f), PointF(217.0f, 118.0f), PointF(217.0f, 160.0f));
    half.emplace_back(217.0f, 330.0f);
    appendBezier(half, PointF(217.0f, 372.0f), PointF(172.0f, 397.5f), PointF(kAxis, 397.5f));
    std::vector<PointF> outline = half;
    const auto left = mirroredX(half, kAxis);
    outline.insert(outline.end(), left.begin() + 1, left.end() - 1);
    return outline;
}

void drawFrontMouse(Canvas& canvas, const Placement& place)
{
    const auto outline = place.at(frontOutline());
    Gdiplus::GraphicsPath body;
    addPolygon(body, outline);

    // Shell: light along the spine, darker towards the flanks and the rear.
    canvas.shade(body, place.local([](double x, double y) {
        const double across = std::min(1.0, std::fabs(x - kAxis) / kAxis);
        const double along = std::clamp((y - 160.0) / 240.0, 0.0, 1.0);
        const Rgb shell = mix(kSpine, kFlank, std::pow(across, 1.5));
        return Rgba(mix(shell, kFlank, along * 0.45), 255);
    }));
    // Soft sheen on each main button.
    canvas.shade(body, place.local(glow(PointF(62.0f, 70.0f), 46.0f, 62.0f, pal::kWhite, 14)));
    canvas.shade(body, place.local(glow(PointF(156.0f, 70.0f), 46.0f, 62.0f, pal::kWhite, 14)));

    // Side buttons: lighter segments of the left flank.
    for (float top : {162.0f, 215.0f}) {
        const RectF r = place.at(edges(1.0f, top, 6.5f, top + 22.0f));
        Gdiplus::GraphicsPath button;
        addRoundedRect(button, r, place.len(2.0f));
        canvas.shade(button, vertical(r.Y, r.Y + r.Height, kCapTop, kSpine));
        strokeLine(canvas, place.at(1.0f, top - 0.6f), place.at(7.0f, top - 0.6f), place.len(1.2f), Rgba(kSeam, 255));
        strokeLine(canvas, place.at(1.0f, top + 22.6f), place.at(7.0f, top + 22.6f), place.len(1.2f), Rgba(kSeam, 255));
        strokeLine(canvas, place.at(7.1f, top - 0.6f), place.at(7.1f, top + 22.6f), place.len(1.2f), Rgba(kSeam, 255));
    }

    // Seams: between the main buttons, and the rear edge of both.
    drawSeam(canvas, {place.at(kAxis, 4.0f), place.at(kAxis, 150.5f)}, place.len(1.3f), PointF(place.len(1.1f), 0));
    std::vector<PointF> rear{PointF(2.0f, 141.5f)};
    appendBezier(rear, PointF(50.0f, 156.0f), PointF(168.0f, 156.0f), PointF(216.0f, 141.5f));
    drawSeam(canvas, place.at(rear), place.len(1.3f), PointF(0, place.len(1.1f)));

    // Wheel in its slot, ridged across.
    const RectF slot = place.at(edges(98.5f, 99.5f, 119.5f, 150.5f));
    fillRoundedRect(canvas, slot, place.len(7.0f), Rgba(pal::kGroove, 255));
    frameRoundedRect(canvas, slot, place.len(7.0f), place.len(0.8f), Rgba(pal::kCrimson, 150));
    const RectF wheel = place.at(edges(102.0f, 105.0f, 116.0f, 145.0f));
    Gdiplus::GraphicsPath wheelPath;
    addRoundedRect(wheelPath, wheel, place.len(5.0f));
    canvas.shade(wheelPath, place.local([](double, double y) {
        const double t = std::min(1.0, std::fabs(y - 125.0) / 20.0);
        return Rgba(mix(Rgb{0x55, 0x5B, 0x67}, Rgb{0x1A, 0x1C, 0x21}, t * t), 255);
    }));
    if (place.scale >= 0.75f) {
        for (float y = 107.5f; y < 144.0f; y += 3.0f) {
            strokeLine(canvas, place.at(103.0f, y), place.at(115.0f, y), place.len(1.0f), Rgba(pal::kGroove, 150));
        }
    }

    // The two DPI buttons behind the wheel.
    drawCap(canvas, place.at(edges(104.0f, 172.0f, 114.0f, 188.0f)), place.len(3.0f), place.len(1.0f));
    drawCap(canvas, place.at(edges(104.0f, 207.0f, 114.0f, 223.0f)), place.len(3.0f), place.len(1.0f));

    // Faint crimson ring under the palm.
    const PointF palm = place.at(kAxis, 296.0f);
    Gdiplus::GraphicsPath halo;
    addRing(halo, palm, place.len(44.0f), place.len(60.0f));
    canvas.shade(halo, [palm, &place](double x, double y) {
        const double r = std::hypot((x - palm.X) / place.scale, (y - palm.Y) / place.scale * 0.92);
        const double t = 1.0 - std::min(1.0, std::fabs(r - 51.0) / 8.0);
        return Rgba(pal::kCrimson, static_cast<std::uint8_t>(45 * t * t));
    });
    Gdiplus::GraphicsPath ring;
    addRing(ring, palm, place.len(50.0f), place.len(52.0f));
    fillPath(canvas, ring, Rgba(pal::kCrimson, 95));

    drawRim(canvas, outline, place.len(1.5f), place.at(0.0f, 0.0f).Y, place.at(0.0f, 400.0f).Y);
}

namespace {

// The side view's top line from the rear (right) to the nose (left).
std::vector<PointF> sideTopLine()
{
    return splineThrough({PointF(398.0f, 120.0f), PointF(395.0f, 85.0f), PointF(370.0f, 50.0f), PointF(300.0f, 20.0f),
                          PointF(225.0f, 11.0f), PointF(195.0f, 14.0f), PointF(115.0f, 32.0f), PointF(40.0f, 56.0f),
                          PointF(10.0f, 70.0f), PointF(2.0f, 100.0f)});
}

std::vector<PointF> sideOutline()
{
    std::vector<PointF> outline{PointF(12.0f, 146.0f), PointF(392.0f, 146.0f)};
    appendBezier(outline, PointF(396.5f, 146.0f), PointF(398.0f, 136.0f), PointF(398.0f, 120.0f));
    const auto top = sideTopLine();
    outline.insert(outline.end(), top.begin() + 1, top.end());
    appendBezier(outline, PointF(2.0f, 124.0f), PointF(4.0f, 146.0f), PointF(12.0f, 146.0f));
    outline.pop_back();
    return outline;
}

}  // namespace

void drawSideMouse(Canvas& canvas, const Placement& place)
{
    const auto outline = place.at(sideOutline());
    Gdiplus::GraphicsPath body;
    addPolygon(body, outline);

    // Contact shadow under the base.
    Gdiplus::GraphicsPath shadow;
    const RectF shadowBox = place.at(edges(6.0f, 140.0f, 398.0f, 150.0f));
    shadow.AddRectangle(shadowBox);
    canvas.shade(shadow, place.local(glow(PointF(202.0f, 146.0f), 200.0f, 4.5f, Rgb{0, 0, 0}, 150)));

    // DPI caps stand on the top line; the shell hides their lower half.
    drawCap(canvas, place.at(edges(190.0f, 8.0f, 200.0f, 19.0f)), place.len(3.0f), place.len(1.0f));
    drawCap(canvas, place.at(edges(217.0f, 5.5f, 227.0f, 16.5f)), place.len(3.0f), place.len(1.0f));

    canvas.shade(body, place.local([](double x, double y) {
        const double down = std::clamp((y - 10.0) / 136.0, 0.0, 1.0);
        const double ends = std::pow(std::fabs(x - 210.0) / 210.0, 3.0);
        return Rgba(mix(mix(kSpine, kFlank, down), kFlank, ends * 0.6), 255);
    }));
    canvas.shade(body, place.local(glow(PointF(200.0f, 40.0f), 150.0f, 28.0f, pal::kWhite, 12)));

    // Darker base plate with a glide line.
    Gdiplus::GraphicsPath plate;
    addPolygon(plate, place.at(std::vector<PointF>{PointF(4.0f, 132.0f), PointF(398.0f, 132.0f), PointF(398.0f, 147.0f),
                                                   PointF(4.0f, 147.0f)}));
    Gdiplus::Region plateClip(&body);
    canvas.g().SetClip(&plateClip);
    fillPath(canvas, plate, Rgba(kPlate, 255));
    strokeLine(canvas, place.at(4.0f, 132.0f), place.at(398.0f, 132.0f), place.len(1.0f), Rgba(kSeam, 255));
    strokeLine(canvas, place.at(22.0f, 141.5f), place.at(382.0f, 141.5f), place.len(1.0f), Rgba(pal::kLine, 255));

    // Main-button seam, ten pixels under the top line from the nose to x 175.
    std::vector<PointF> seam;
    for (const PointF& p : sideTopLine()) {
        if (p.X <= 175.0f && p.Y < 95.0f) {
            seam.emplace_back(p.X, p.Y + 10.0f);
        }
    }
    drawSeam(canvas, place.at(seam), place.len(1.3f), PointF(0, place.len(1.1f)));

    // Faint crimson light strip along the flank.
    std::vector<PointF> strip{PointF(46.0f, 121.0f)};
    appendBezier(strip, PointF(140.0f, 111.0f), PointF(280.0f, 109.0f), PointF(374.0f, 119.0f));
    strokePolyline(canvas, place.at(strip), place.len(5.0f), Rgba(pal::kCrimson, 40));
    strokePolyline(canvas, place.at(strip), place.len(1.6f), Rgba(pal::kCrimson, 170));

    // Slot of the wheel, cut into the shell.
    Gdiplus::GraphicsPath slot;
    addEllipse(slot, place.at(137.0f, 30.0f), place.len(16.5f), place.len(11.0f));
    fillPath(canvas, slot, Rgba(pal::kGroove, 255));
    canvas.g().ResetClip();

    // Side buttons.
    for (const RectF& r : {edges(200.0f, 56.0f, 228.0f, 70.0f), edges(243.0f, 50.0f, 271.0f, 64.0f)}) {
        const RectF placed = place.at(r);
        fillRoundedRect(canvas,
                        RectF(placed.X - place.len(1.2f), placed.Y - place.len(1.2f), placed.Width + place.len(2.4f),
                              placed.Height + place.len(2.4f)),
                        place.len(5.0f), Rgba(pal::kGroove, 255));
        Gdiplus::GraphicsPath button;
        addRoundedRect(button, placed, place.len(4.0f));
        canvas.shade(button, vertical(placed.Y, placed.Y + placed.Height, kCapTop, kCapBottom));
        frameRoundedRect(canvas, placed, place.len(4.0f), place.len(0.8f), Rgba(pal::kRim, 170));
    }

    drawRim(canvas, outline, place.len(1.5f), place.at(0.0f, 10.0f).Y, place.at(0.0f, 146.0f).Y);

    // The wheel stands above the top line: a ridged disc seen edge-on.
    const PointF hub = place.at(137.0f, 30.0f);
    Gdiplus::GraphicsPath wheel;
    addEllipse(wheel, hub, place.len(14.0f), place.len(9.0f));
    canvas.shade(wheel, [hub, &place](double x, double y) {
        const double dx = (x - hub.X) / place.len(14.0f);
        const double dy = (y - hub.Y) / place.len(9.0f);
        const double light = std::clamp(0.65 - 0.55 * dy - 0.2 * dx * dx, 0.0, 1.0);
        return Rgba(mix(Rgb{0x1A, 0x1C, 0x21}, Rgb{0x58, 0x5E, 0x6A}, light), 255);
    });
    for (int i = 0; i < 24; ++i) {
        const float a = static_cast<float>(i) * 15.0f * std::numbers::pi_v<float> / 180.0f;
        const PointF outer(hub.X + place.len(14.0f) * std::cos(a), hub.Y + place.len(9.0f) * std::sin(a));
        const PointF inner(hub.X + place.len(11.5f) * std::cos(a), hub.Y + place.len(7.2f) * std::sin(a));
        strokeLine(canvas, inner, outer, place.len(1.0f), Rgba(pal::kGroove, 170));
    }
    Gdiplus::GraphicsPath wheelRim;
    addEllipse(wheelRim, hub, place.len(14.0f), place.len(9.0f));
    Gdiplus::Pen rimPen(gdi(pal::kRim, 200), place.len(1.0f));
    check(canvas.g().DrawPath(&rimPen, &wheelRim), "stroke the wheel");
}

void drawMouseEmblem(Canvas& canvas, PointF centre, float height, Rgba body, Rgba cut)
{
    const Placement place{height / 400.0f,
                          PointF(centre.X - 109.0f * height / 400.0f, centre.Y - 200.0f * height / 400.0f)};
    Gdiplus::GraphicsPath shape;
    addPolygon(shape, place.at(frontOutline()));
    fillPath(canvas, shape, body);
    const float seam = std::max(0.9f, place.len(14.0f));
    strokeLine(canvas, place.at(kAxis, 0.0f), place.at(kAxis, 150.0f), seam, cut);
    std::vector<PointF> rear{PointF(-4.0f, 138.0f)};
    appendBezier(rear, PointF(50.0f, 160.0f), PointF(168.0f, 160.0f), PointF(222.0f, 138.0f));
    strokePolyline(canvas, place.at(rear), seam, cut);
    fillRoundedRect(canvas, place.at(edges(88.0f, 80.0f, 130.0f, 168.0f)), place.len(21.0f), cut);
    fillRoundedRect(canvas, place.at(edges(97.0f, 92.0f, 121.0f, 156.0f)), place.len(12.0f), body);
}

}  // namespace skingen
