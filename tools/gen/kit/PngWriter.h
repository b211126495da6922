#pragma once
// Writes a canvas as an 8-bit RGBA PNG, always with the alpha channel. Cairo's
// own writer drops the alpha channel of a fully opaque canvas, but the game
// needs 4 bytes per pixel in the pictures it tests for solid pixels.
#include <cairo.h>

#include <string>

void writeRgbaPng(cairo_surface_t* canvas, const std::string& path);
