// Pixel drawing for the skin generator: crisp shapes on a TDib, no
// anti-aliasing, so every pixel of a generated skin is predictable. Shapes
// are clipped to the bitmap.
//
// A canvas of scale 2 draws the double-size art of the same picture: the
// drawing code gives the same coordinates, in pixels of the 1x art, and each
// shape is rasterised at twice the resolution (lines and outlines as thick
// on the screen, curves and slopes in finer steps).
#pragma once

#include "skin/ImgUtil/Dib.h"

namespace skingen {

using skin::Colour;
using skin::TDib;

// Mixes `a` and `b`: t = 0 gives a, t = 255 gives b.
Colour Mix(Colour a, Colour b, int t);

class TCanvas {
public:
    // Draws into a cell of `dib` whose top-left is (ox, oy); coordinates are
    // relative to the cell.
    TCanvas(TDib& dib, int ox = 0, int oy = 0, int width = -1, int height = -1);
    // A cell of `width` x `height` 1x pixels at (ox, oy) of `dib`, drawn at
    // `scale` (the cell takes scale times as many pixels each way).
    TCanvas(TDib& dib, int ox, int oy, int width, int height, int scale);

    int Width() const { return width_ / scale_; }
    int Height() const { return height_ / scale_; }

    void Plot(int x, int y, Colour c);
    // Colour of a point inside the cell, for blending.
    Colour At(int x, int y) const;
    // Blends `c` over the pixel with strength t (0..255); key pixels stay key.
    void Glow(int x, int y, Colour c, int t);

    void Fill(int x, int y, int w, int h, Colour c);
    void Frame(int x, int y, int w, int h, Colour c);
    void HLine(int x, int y, int w, Colour c) { Fill(x, y, w, 1, c); }
    void VLine(int x, int y, int h, Colour c) { Fill(x, y, 1, h, c); }
    // Top-to-bottom gradient from `top` to `bottom`.
    void VGradient(int x, int y, int w, int h, Colour top, Colour bottom);
    // Left-to-right gradient.
    void HGradient(int x, int y, int w, int h, Colour left, Colour right);
    // A rectangle with corners cut to radius r (pixels outside the circle are
    // left alone), filled and optionally outlined.
    void RoundFill(int x, int y, int w, int h, int r, Colour c);
    void RoundFrame(int x, int y, int w, int h, int r, Colour c);
    // Paints the key colour outside a rounded rectangle of radius r that fills
    // the whole cell: the rounded-corner transparency.
    void KeyCorners(int r, bool top, bool bottom);
    // A straight line (Bresenham), `thick` pixels wide to the right/below.
    void Line(int x0, int y0, int x1, int y1, Colour c, int thick = 1);
    // A filled triangle pointing in a direction: 0 up, 1 down, 2 left, 3 right,
    // centred at (cx, cy) with half-size s.
    void Arrow(int cx, int cy, int s, int direction, Colour c);
    void Disc(int cx, int cy, int r, Colour c);
    void Ring(int cx, int cy, int r, Colour c);

private:
    // The shapes in pixels of the bitmap itself.
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    void FinePlot(int x, int y, Colour c);
    void FineFill(int x, int y, int w, int h, Colour c);
    void FineRoundFill(int x, int y, int w, int h, int r, Colour c);
    void FineRoundFrame(int x, int y, int w, int h, int r, Colour c);
    // At a scale over 1: the arrow's triangle in finer rows, and the pixels
    // more than `inner` and at most `outer` 1x pixels from the centre of 1x
    // pixel (cx, cy).
    void FineArrow(int cx, int cy, int s, int direction, Colour c);
    void FineCircle(int cx, int cy, double outer, double inner, Colour c);
    // True when (x, y) lies outside the rounded corner of radius r of the
    // rectangle (x0, y0, w, h).
    static bool OutsideCorner(int x, int y, int x0, int y0, int w, int h, int r);

    TDib& dib_;
    int ox_, oy_, width_, height_; // in pixels of the bitmap
    int scale_ = 1;
};

} // namespace skingen
