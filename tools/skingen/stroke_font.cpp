#include "stroke_font.h"

#include <array>
#include <stdexcept>
#include <string>

namespace skingen {

namespace {

// A glyph's centre lines in units of the cap height: x from 0 to `width`,
// y from 0 (top) to 1 (baseline). Each stroke is one polyline.
struct Glyph {
    char ch;
    float width;
    std::vector<std::vector<PointF>> strokes;
    bool closedFirst = false;  // the first stroke is a closed loop
};

using Path = std::vector<PointF>;

Path join(std::initializer_list<Path> parts)
{
    Path out;
    for (const Path& p : parts) {
        out.insert(out.end(), p.begin(), p.end());
    }
    return out;
}

Path arc(float cx, float cy, float r, float from, float to)
{
    return arcPoints(PointF(cx, cy), r, r, from, to);
}

const std::vector<Glyph>& glyphs()
{
    // clang-format off
    static const std::vector<Glyph> set = {
        {' ', 0.30f, {}},
        {'0', 0.56f, {join({arc(0.28f, 0.28f, 0.28f, 180, 360), arc(0.28f, 0.72f, 0.28f, 0, 180)})}, true},
        {'1', 0.32f, {{PointF(0.0f, 0.22f), PointF(0.32f, 0.0f), PointF(0.32f, 1.0f)}}},
        {'2', 0.56f, {join({arc(0.28f, 0.28f, 0.28f, 195, 390), {PointF(0.0f, 1.0f), PointF(0.56f, 1.0f)}})}},
        {'3', 0.52f, {join({arc(0.26f, 0.245f, 0.245f, 205, 450), arc(0.26f, 0.745f, 0.255f, 270, 515)})}},
        {'4', 0.62f, {{PointF(0.46f, 1.0f), PointF(0.46f, 0.0f), PointF(0.0f, 0.68f), PointF(0.62f, 0.68f)}}},
        {'5', 0.56f, {join({{PointF(0.54f, 0.0f), PointF(0.06f, 0.0f), PointF(0.03f, 0.46f)},
                            arc(0.28f, 0.70f, 0.30f, 232, 495)})}},
        {'6', 0.56f, {arc(0.28f, 0.72f, 0.28f, 0, 360), {PointF(0.46f, 0.0f), PointF(0.05f, 0.62f)}}, true},
        {'7', 0.56f, {{PointF(0.0f, 0.0f), PointF(0.56f, 0.0f), PointF(0.16f, 1.0f)}}},
        {'A', 0.66f, {{PointF(0.0f, 1.0f), PointF(0.33f, 0.0f), PointF(0.66f, 1.0f)},
                      {PointF(0.12f, 0.66f), PointF(0.54f, 0.66f)}}},
        {'B', 0.56f, {join({{PointF(0.0f, 0.47f)}, arc(0.28f, 0.235f, 0.235f, 90, -90),
                            {PointF(0.0f, 0.0f), PointF(0.0f, 1.0f)}, arc(0.30f, 0.735f, 0.265f, 90, -90),
                            {PointF(0.0f, 0.47f)}})}},
        {'E', 0.52f, {{PointF(0.52f, 0.0f), PointF(0.0f, 0.0f), PointF(0.0f, 1.0f), PointF(0.52f, 1.0f)},
                      {PointF(0.0f, 0.5f), PointF(0.44f, 0.5f)}}},
        {'H', 0.58f, {{PointF(0.0f, 0.0f), PointF(0.0f, 1.0f)}, {PointF(0.58f, 0.0f), PointF(0.58f, 1.0f)},
                      {PointF(0.0f, 0.5f), PointF(0.58f, 0.5f)}}},
        {'L', 0.50f, {{PointF(0.0f, 0.0f), PointF(0.0f, 1.0f), PointF(0.50f, 1.0f)}}},
        {'N', 0.60f, {{PointF(0.0f, 1.0f), PointF(0.0f, 0.0f), PointF(0.60f, 1.0f), PointF(0.60f, 0.0f)}}},
        {'R', 0.56f, {join({{PointF(0.0f, 1.0f), PointF(0.0f, 0.0f)}, arc(0.28f, 0.25f, 0.25f, -90, 90),
                            {PointF(0.0f, 0.5f)}}),
                      {PointF(0.24f, 0.5f), PointF(0.56f, 1.0f)}}},
        {'T', 0.62f, {{PointF(0.0f, 0.0f), PointF(0.62f, 0.0f)}, {PointF(0.31f, 0.0f), PointF(0.31f, 1.0f)}}},
        {'V', 0.66f, {{PointF(0.0f, 0.0f), PointF(0.33f, 1.0f), PointF(0.66f, 0.0f)}}},
        {'z', 0.48f, {{PointF(0.02f, 0.36f), PointF(0.48f, 0.36f), PointF(0.0f, 1.0f), PointF(0.48f, 1.0f)}}},
        {'?', 0.54f, {join({arc(0.27f, 0.27f, 0.27f, 190, 380), {PointF(0.27f, 0.56f), PointF(0.27f, 0.72f)}}),
                      {PointF(0.27f, 0.88f), PointF(0.27f, 1.0f)}}},
    };
    // clang-format on
    return set;
}

// Pairs whose open shapes leave too much air between them.
struct Kerning {
    char left, right;
    float amount;  // in cap-height units
};

constexpr Kerning kKerning[] = {
    {'T', 'A', -0.08f}, {'L', 'V', -0.14f}, {'R', 'V', -0.04f}, {'A', 'V', -0.06f}, {'V', 'A', -0.06f},
};

float kerning(char left, char right)
{
    for (const Kerning& k : kKerning) {
        if (k.left == left && k.right == right) {
            return k.amount;
        }
    }
    return 0.0f;
}

const Glyph& glyph(char ch)
{
    for (const Glyph& g : glyphs()) {
        if (g.ch == ch) {
            return g;
        }
    }
    throw std::invalid_argument(std::string("no stroke glyph for '") + ch + "'");
}

// Centre-line units are inset by half a stroke so the ink spans exactly the
// cap height.
float unit(const TextStyle& style)
{
    return style.capHeight - style.stroke;
}

float advance(const Glyph& g, const TextStyle& style)
{
    return g.width * unit(style) + style.stroke + style.tracking;
}

// Where each letter starts, relative to the text's left edge, and the
// text's ink width as the last element.
std::vector<float> letterPositions(std::string_view text, const TextStyle& style)
{
    std::vector<float> positions;
    float x = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i > 0) {
            x += kerning(text[i - 1], text[i]) * unit(style);
        }
        positions.push_back(x);
        x += advance(glyph(text[i]), style);
    }
    positions.push_back(text.empty() ? 0 : x - style.tracking);
    return positions;
}

}  // namespace

float textWidth(std::string_view text, const TextStyle& style)
{
    return letterPositions(text, style).back();
}

void drawText(Canvas& canvas, std::string_view text, PointF topLeft, const TextStyle& style, Rgba colour)
{
    const float u = unit(style);
    const std::vector<float> positions = letterPositions(text, style);
    for (std::size_t n = 0; n < text.size(); ++n) {
        const Glyph& g = glyph(text[n]);
        const float x = topLeft.X + positions[n];
        for (std::size_t i = 0; i < g.strokes.size(); ++i) {
            std::vector<PointF> points;
            for (const PointF& p : g.strokes[i]) {
                points.emplace_back(x + style.stroke / 2 + p.X * u, topLeft.Y + style.stroke / 2 + p.Y * u);
            }
            strokePolyline(canvas, points, style.stroke, colour, i == 0 && g.closedFirst);
        }
    }
}

void drawTextCentred(Canvas& canvas, std::string_view text, PointF centre, const TextStyle& style, Rgba colour)
{
    drawText(canvas, text, PointF(centre.X - textWidth(text, style) / 2, centre.Y - style.capHeight / 2), style,
             colour);
}

}  // namespace skingen
