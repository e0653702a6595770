#pragma once

#include <ostream>
#include <vector>

#include "PlotCanvas.h"

namespace pathsum::testing {

// One operation handed to a canvas, kept for exact comparison.
struct CanvasOp {
    enum class Kind { Clear, Segment, Box };
    Kind kind = Kind::Clear;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Rgb colour;
    friend bool operator==(const CanvasOp&, const CanvasOp&) = default;
};

std::ostream& operator<<(std::ostream& out, const CanvasOp& op);

CanvasOp ClearOp();
CanvasOp SegmentOp(float x1, float y1, float x2, float y2, int paletteIndex);
CanvasOp BoxOp(float x1, float y1, float x2, float y2, int paletteIndex);

// A canvas that draws nothing and records every operation in order.
class RecordingCanvas : public PlotCanvas {
  public:
    void Clear() override;
    void Line(float x1, float y1, float x2, float y2, Rgb colour, LineKind kind) override;

    const std::vector<CanvasOp>& Ops() const { return ops_; }
    void Forget() { ops_.clear(); }

  private:
    std::vector<CanvasOp> ops_;
};

}  // namespace pathsum::testing
