#include "RecordingCanvas.h"

namespace pathsum::testing {

std::ostream& operator<<(std::ostream& out, const CanvasOp& op) {
    switch (op.kind) {
        case CanvasOp::Kind::Clear:
            return out << "Clear";
        case CanvasOp::Kind::Segment:
            out << "Segment";
            break;
        case CanvasOp::Kind::Box:
            out << "Box";
            break;
    }
    return out << "(" << op.x1 << ", " << op.y1 << ") - (" << op.x2 << ", " << op.y2 << ") rgb("
               << int(op.colour.r) << "," << int(op.colour.g) << "," << int(op.colour.b) << ")";
}

CanvasOp ClearOp() {
    return CanvasOp{};
}

CanvasOp SegmentOp(float x1, float y1, float x2, float y2, int paletteIndex) {
    return CanvasOp{CanvasOp::Kind::Segment, x1, y1, x2, y2, PaletteColour(paletteIndex)};
}

CanvasOp BoxOp(float x1, float y1, float x2, float y2, int paletteIndex) {
    return CanvasOp{CanvasOp::Kind::Box, x1, y1, x2, y2, PaletteColour(paletteIndex)};
}

void RecordingCanvas::Clear() {
    ops_.push_back(ClearOp());
}

void RecordingCanvas::Line(float x1, float y1, float x2, float y2, Rgb colour, LineKind kind) {
    ops_.push_back(CanvasOp{kind == LineKind::Box ? CanvasOp::Kind::Box : CanvasOp::Kind::Segment,
                            x1, y1, x2, y2, colour});
}

}  // namespace pathsum::testing
