#pragma once
// Painters for single tiles. Each paints one 50 x 50 cell in cell coordinates
// (0..50 both ways, already clipped) in the colours of one mood.
#include <cairo.h>

#include "level/TileMood.h"

// Small drawing helpers shared by the tile painters.
void fillRect(cairo_t* cr, double x, double y, double w, double h, Rgb c, double alpha = 1.0);
// Adds an ellipse at (cx, cy) and its copies one cell away on every side, so a
// texture that crosses the cell edge joins up with the neighbouring copy.
void addWrappedEllipse(cairo_t* cr, double cx, double cy, double rx, double ry);
void addEllipse(cairo_t* cr, double cx, double cy, double rx, double ry);
// A repeatable number in 0..1 for pattern placement.
double patternNoise(int a, int b);

// Ground and stone.
void paintGroundTop(cairo_t* cr, const TileMood& m);
void paintEarth(cairo_t* cr, const TileMood& m);
void paintGroundLeftEnd(cairo_t* cr, const TileMood& m);
void paintGroundRightEnd(cairo_t* cr, const TileMood& m);
void paintEarthLeftFace(cairo_t* cr, const TileMood& m);
void paintEarthRightFace(cairo_t* cr, const TileMood& m);
void paintEarthUnderside(cairo_t* cr, const TileMood& m);
void paintSingleBlock(cairo_t* cr, const TileMood& m);
void paintRock(cairo_t* cr, const TileMood& m);
void paintRockTop(cairo_t* cr, const TileMood& m);
void paintBrick(cairo_t* cr, const TileMood& m);

// Wood and trees.
void paintDeckLeftEnd(cairo_t* cr, const TileMood& m);
void paintDeckMiddle(cairo_t* cr, const TileMood& m);
void paintDeckRightEnd(cairo_t* cr, const TileMood& m);
void paintCrate(cairo_t* cr, const TileMood& m);
void paintTrunk(cairo_t* cr, const TileMood& m);
void paintCanopy(cairo_t* cr, const TileMood& m);
void paintLowPlank(cairo_t* cr, const TileMood& m);

// The backdrop behind every cell of a row whose mood hides the sky; nothing
// for the other moods, whose air shows the background picture.
void paintBackdrop(cairo_t* cr, const TileMood& m);

// Decorations: they stand on the floor below the cell, except the vines,
// which hang from the cell above.
void paintGrassTuft(cairo_t* cr, const TileMood& m);
void paintFlowers(cairo_t* cr, const TileMood& m);
void paintMushrooms(cairo_t* cr, const TileMood& m);
void paintBush(cairo_t* cr, const TileMood& m);
void paintVines(cairo_t* cr, const TileMood& m);
void paintSignpost(cairo_t* cr, const TileMood& m);
void paintLantern(cairo_t* cr, const TileMood& m);
