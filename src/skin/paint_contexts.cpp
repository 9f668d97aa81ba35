#include "skin/paint_contexts.h"

#include "skin/skin_draw.h"

#include <algorithm>

namespace {

struct Composition {
    // Declared before the context, so that the context (and with it the
    // selection) goes first and the bitmap can be deleted.
    CBitmap bitmap;
    CDC dc;
    SIZE size{};
};

thread_local CDC t_pictureSource;
thread_local Composition t_composition;

}  // namespace

CDC& PictureSourceContext()
{
    if (!t_pictureSource.GetSafeHdc())
        t_pictureSource.CreateCompatibleDC(nullptr);
    return t_pictureSource;
}

CDC* CompositionContext(int width, int height)
{
    Composition& composition = t_composition;
    if (!composition.dc.GetSafeHdc() && !composition.dc.CreateCompatibleDC(nullptr))
        return nullptr;
    if (width <= 0 || height <= 0)
        return &composition.dc;  // nothing to compose
    if (width > composition.size.cx || height > composition.size.cy) {
        const int wider = std::max<int>(width, composition.size.cx);
        const int taller = std::max<int>(height, composition.size.cy);
        CBitmap larger;
        if (!CreateDrawingBitmap(larger, &composition.dc, wider, taller))
            return nullptr;
        // Selecting the larger bitmap lets go of the smaller one.
        ::SelectObject(composition.dc, larger);
        composition.bitmap.DeleteObject();
        composition.bitmap.Attach(larger.Detach());
        composition.size = {wider, taller};
    }
    return &composition.dc;
}
