#include "SceneDrawing.h"

namespace pathsum {

void DrawScene(PlotCanvas& canvas, const ElementRow& row) {
    canvas.Clear();
    const Rgb grid = PaletteColour(kGridColour);
    for (int i = 10; i <= 100; i += 10) {
        const auto at = static_cast<float>(i);
        canvas.Line(at, 0.0f, at, 100.0f, grid, LineKind::Segment);
        canvas.Line(0.0f, at, 100.0f, at, grid, LineKind::Segment);
    }
    const Rgb element = PaletteColour(kElementColour);
    for (double left : row.leftEdges) {
        canvas.Line(CanvasCoordinate(left), 100.0f, CanvasCoordinate(left + row.width), 100.5f,
                    element, LineKind::Box);
    }
}

}  // namespace pathsum
