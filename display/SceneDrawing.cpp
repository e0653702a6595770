#include "SceneDrawing.h"

#include "Geometry.h"

namespace pathsum {

void DrawScene(PlotCanvas& canvas, const ElementRow& row) {
    canvas.Clear();
    const Rgb grid = PaletteColour(kGridColour);
    for (int i = 10; i <= 100; i += 10) {
        const auto at = static_cast<float>(i);
        canvas.Line(at, 0.0f, at, 100.0f, grid, LineKind::Segment);
        canvas.Line(0.0f, at, 100.0f, at, grid, LineKind::Segment);
    }
    // Each element a bar half a unit high standing on the row.
    const Rgb element = PaletteColour(kElementColour);
    const auto bottom = static_cast<float>(kRowY);
    const auto top = static_cast<float>(kRowY + 0.5);
    for (double left : row.leftEdges) {
        canvas.Line(CanvasCoordinate(left), bottom, CanvasCoordinate(left + row.width), top,
                    element, LineKind::Box);
    }
}

}  // namespace pathsum
