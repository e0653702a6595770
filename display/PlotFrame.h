#pragma once

namespace pathsum {

// The user frame of the main window's client area and its mapping to logical pixels. The
// client area is 11910 x 11565 twips, 794 x 771 logical pixels at 15 twips a pixel; the frame
// puts x = -10 at its left edge and y = 102 at its top, 120 units across and 120 units down.
struct PlotFrame {
    static constexpr double kLeft = -10.0;
    static constexpr double kTop = 102.0;
    static constexpr double kWidth = 120.0;
    static constexpr double kHeight = -120.0;

    static constexpr int kClientWidthTwips = 11910;
    static constexpr int kClientHeightTwips = 11565;
    static constexpr int kTwipsPerPixel = 15;
    static constexpr int kClientWidth = kClientWidthTwips / kTwipsPerPixel;    // 794
    static constexpr int kClientHeight = kClientHeightTwips / kTwipsPerPixel;  // 771

    // Frame coordinates to logical pixels of the client area (fractional).
    static constexpr double PixelX(double x) { return (x - kLeft) / kWidth * kClientWidth; }
    static constexpr double PixelY(double y) { return (y - kTop) / kHeight * kClientHeight; }

    // Logical pixels back to frame coordinates.
    static constexpr double FrameX(double px) { return kLeft + px / kClientWidth * kWidth; }
    static constexpr double FrameY(double py) { return kTop + py / kClientHeight * kHeight; }

    // A length in frame units as logical pixels.
    static constexpr double PixelWidth(double w) { return w / kWidth * kClientWidth; }
    static constexpr double PixelHeight(double h) { return h / -kHeight * kClientHeight; }

    // Twips to logical pixels.
    static constexpr double PixelsFromTwips(double twips) { return twips / kTwipsPerPixel; }
};

}  // namespace pathsum
