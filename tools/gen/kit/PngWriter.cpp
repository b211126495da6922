// libpng does the encoding; what is ours is turning cairo's premultiplied
// pixels into the straight RGBA rows a PNG holds.
#include "kit/PngWriter.h"

#include <png.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

[[noreturn]] void cannotWrite(const std::string& path, const char* why) {
  std::fprintf(stderr, "thornwald-gen: cannot write %s: %s\n", path.c_str(), why);
  std::exit(1);
}

// libpng would longjmp out of an error; ending the generator is all it needs.
[[noreturn]] void onPngError(png_structp png, png_const_charp message) {
  cannotWrite(*static_cast<const std::string*>(png_get_error_ptr(png)), message);
}

// One row of cairo's premultiplied ARGB as straight RGBA.
void straightRow(const uint32_t* from, int width, uint8_t* to) {
  for (int x = 0; x < width; ++x) {
    uint32_t v = from[x], a = v >> 24;
    uint32_t r = (v >> 16) & 255, g = (v >> 8) & 255, b = v & 255;
    if (a > 0 && a < 255) {
      r = (r * 255 + a / 2) / a;
      g = (g * 255 + a / 2) / a;
      b = (b * 255 + a / 2) / a;
    }
    uint8_t* q = to + size_t(x) * 4;
    q[0] = uint8_t(r);
    q[1] = uint8_t(g);
    q[2] = uint8_t(b);
    q[3] = uint8_t(a);
  }
}

// The whole canvas as straight RGBA, row after row.
std::vector<uint8_t> straightPixels(cairo_surface_t* canvas) {
  int w = cairo_image_surface_get_width(canvas), h = cairo_image_surface_get_height(canvas);
  int stride = cairo_image_surface_get_stride(canvas);
  const uint8_t* src = cairo_image_surface_get_data(canvas);
  std::vector<uint8_t> pixels(size_t(w) * h * 4);
  for (int y = 0; y < h; ++y)
    straightRow(reinterpret_cast<const uint32_t*>(src + size_t(y) * stride), w, &pixels[size_t(y) * w * 4]);
  return pixels;
}

}  // namespace

void writeRgbaPng(cairo_surface_t* canvas, const std::string& path) {
  cairo_surface_flush(canvas);
  int w = cairo_image_surface_get_width(canvas), h = cairo_image_surface_get_height(canvas);
  std::vector<uint8_t> pixels = straightPixels(canvas);
  std::vector<png_bytep> rows(h);
  for (int y = 0; y < h; ++y) rows[y] = &pixels[size_t(y) * w * 4];
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) cannotWrite(path, "cannot open");
  png_structp png =
      png_create_write_struct(PNG_LIBPNG_VER_STRING, const_cast<std::string*>(&path), onPngError, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info) cannotWrite(path, "out of memory");
  png_init_io(png, f);
  png_set_IHDR(png, info, w, h, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_set_rows(png, info, rows.data());
  png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
  png_destroy_write_struct(&png, &info);
  if (std::fclose(f) != 0) cannotWrite(path, "cannot close");
}
