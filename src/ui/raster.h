// A few filled shapes drawn into a widgets::Picture, enough for the plug-in's own
// button glyphs and about picture. Pure: everything is computed from the arguments,
// and shapes that reach past the picture's edge are cut at the edge.
#pragma once

#include "widgets/picture.h"

namespace qm::ui {

struct Point {
  double x = 0;
  double y = 0;
};

// Pixel (x, y) is covered when its centre (x + 0.5, y + 0.5) lies inside the shape.
void FillRect(widgets::Picture& picture, int left, int top, int width, int height,
              widgets::Rgba color);
void FillTriangle(widgets::Picture& picture, Point a, Point b, Point c, widgets::Rgba color);
void FillDisc(widgets::Picture& picture, Point centre, double radius, widgets::Rgba color);
// A ring between two radii.
void FillRing(widgets::Picture& picture, Point centre, double inner, double outer,
              widgets::Rgba color);
// A superellipse |dx/rx|^n + |dy/ry|^n <= 1: a disc for n = 2, nearly a square for
// large n.
void FillSuperellipse(widgets::Picture& picture, Point centre, double rx, double ry,
                      double exponent, widgets::Rgba color);
// A straight stroke of the given width between two points, with square ends.
void FillStroke(widgets::Picture& picture, Point from, Point to, double width, widgets::Rgba color);

} // namespace qm::ui
