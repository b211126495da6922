#pragma once
// Small helpers shared by every picture the generator paints.
#include <cairo.h>

#include <string>

struct Rgb {
  double r, g, b;
};

// "#4f8a3c" -> colour with components in 0..1.
Rgb hex(const char* text);
void setColour(cairo_t* cr, Rgb c, double alpha = 1.0);

// A fresh transparent ARGB canvas.
cairo_surface_t* newCanvas(int width, int height);

// Writes a canvas as an RGBA PNG (alpha kept as painted).
void saveRgba(cairo_surface_t* canvas, const std::string& path);
// Writes a canvas as a 24-bit RGB PNG. Pixels with alpha below 128 become `key`
// (the colour key the game sets); the rest become opaque, so edges stay crisp.
void saveKeyed(cairo_surface_t* canvas, const std::string& path, Rgb key);
// Writes a canvas as an opaque 24-bit RGB PNG (alpha composited over black).
void saveOpaque(cairo_surface_t* canvas, const std::string& path);

// Selects the game's font (DejaVu Sans Condensed Bold) at `size` px.
void selectGameFont(cairo_t* cr, double size);
// Text in the game's font, top-left of the ink box at (x, y)
// unless centred, in which case x is the centre.
void drawText(cairo_t* cr, const std::string& text, double x, double y, double size, Rgb colour,
              bool centred = false);
// Same, with a dark outline around the letters for legibility on busy pictures.
void drawOutlinedText(cairo_t* cr, const std::string& text, double x, double y, double size, Rgb fill,
                      Rgb outline, double outlineWidth, bool centred = false);

// Fills the text at the current point with a dark outline drawn under it.
void outlineText(cairo_t* cr, const std::string& text, Rgb fill, Rgb outline, double outlineWidth);

// Adds a closed ellipse centred on (cx, cy), turned by `angle` radians, to the path.
void ellipsePath(cairo_t* cr, double cx, double cy, double rx, double ry, double angle = 0);

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double radius);

// Fills a four-pointed star of reach r centred on (x, y); its sides pinch in to
// `waist` times r between the points.
void fillSparkle(cairo_t* cr, double x, double y, double r, double waist, Rgb colour);

// Paints the whole clip with a top-to-bottom blend from `top` at y0 to `bottom` at y1.
void paintVerticalBlend(cairo_t* cr, double y0, double y1, Rgb top, Rgb bottom);
