#include "Overview.h"

#include <cairo.h>

#include <algorithm>

#include "extras/Extra.h"
#include "extras/LevelExtras.h"
#include "level/Level.h"
#include "state/GameState.h"

namespace {
const double kScale = 0.25;  // overview px per level px

cairo_surface_t* levelPicture(SDL_Surface* image) {
  cairo_surface_t* out = cairo_image_surface_create(CAIRO_FORMAT_RGB24, image->w, image->h);
  unsigned char* dst = cairo_image_surface_get_data(out);
  int stride = cairo_image_surface_get_stride(out);
  SDL_LockSurface(image);
  for (int y = 0; y < image->h; ++y) {
    const Uint8* row = static_cast<const Uint8*>(image->pixels) + y * image->pitch;
    auto* d = reinterpret_cast<uint32_t*>(dst + y * stride);
    for (int x = 0; x < image->w; ++x) {
      Uint8 r, g, b;
      Uint32 v = 0;
      for (int i = 0; i < image->format->BytesPerPixel; ++i)
        v |= Uint32(row[x * image->format->BytesPerPixel + i]) << (8 * i);
      SDL_GetRGB(v, image->format, &r, &g, &b);
      d[x] = (uint32_t(r) << 16) | (uint32_t(g) << 8) | b;
    }
  }
  SDL_UnlockSurface(image);
  cairo_surface_mark_dirty(out);
  return out;
}

void colourOf(int type, cairo_t* cr) {
  switch (type) {
    case Nut:
      cairo_set_source_rgb(cr, 0.95, 0.75, 0.1);
      break;
    case Animal:
      cairo_set_source_rgb(cr, 0.2, 0.5, 1.0);
      break;
    case LevelExit:
      cairo_set_source_rgb(cr, 0.1, 0.9, 0.3);
      break;
    case DeadlyHazard:
      cairo_set_source_rgb(cr, 0.6, 0.1, 0.8);
      break;
    default:
      cairo_set_source_rgb(cr, 0.9, 0.1, 0.1);
      break;
  }
}

// Under the wild rules, each goblin's post as a dark green diamond.
void drawGoblinPosts(cairo_t* cr, int level) {
  const std::vector<ExtraSpot>* posts = wildRules ? levelExtras.postsOf(level) : nullptr;
  if (!posts) return;
  cairo_set_source_rgb(cr, 0.1, 0.35, 0.1);
  for (const ExtraSpot& p : *posts) {
    cairo_move_to(cr, p.x + 25, p.y - 10);
    cairo_line_to(cr, p.x + 60, p.y + 25);
    cairo_line_to(cr, p.x + 25, p.y + 60);
    cairo_line_to(cr, p.x - 10, p.y + 25);
    cairo_close_path(cr);
    cairo_fill(cr);
  }
}
}  // namespace

void writeOverview(int level, const SearchResult& result, const std::vector<int>& deadEnds,
                   const std::vector<int>& route, const std::string& path) {
  SDL_Surface* image = levels[level].levelImage;
  if (!image) return;
  cairo_surface_t* picture = levelPicture(image);
  int w = int(image->w * kScale), h = int(image->h * kScale);
  cairo_surface_t* out = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
  cairo_t* cr = cairo_create(out);
  cairo_scale(cr, kScale, kScale);
  cairo_set_source_surface(cr, picture, 0, 0);
  cairo_paint(cr);
  cairo_set_source_rgba(cr, 0.1, 1.0, 0.4, 0.35);
  for (auto [x, y] : result.standingPlaces) {
    cairo_rectangle(cr, x, y, 50, 50);
    cairo_fill(cr);
  }
  // Dead ends in black, so they do not read as hazards.
  cairo_set_source_rgba(cr, 0.0, 0.0, 0.0, 0.8);
  for (int i : deadEnds) {
    auto [x, y] = spriteCorner(result.places[i]);
    cairo_rectangle(cr, x, y, 50, 50);
    cairo_fill(cr);
  }
  for (auto [x, y] : result.lostAt) {
    cairo_rectangle(cr, x, std::min(y, image->h - 100), 50, 100);
    cairo_fill(cr);
  }
  cairo_set_source_rgba(cr, 1.0, 1.0, 1.0, 0.8);
  cairo_set_line_width(cr, 10);
  for (int i : route) {
    auto [x, y] = spriteCorner(result.places[i]);
    cairo_line_to(cr, x + 25, y + 43);  // the hero's feet
  }
  cairo_stroke(cr);
  for (const Target& e : result.targets) {
    const int i = e.index;
    if (!isGoal(e.type) && !isDanger(e.type)) continue;
    double size = e.type == LevelExit ? 150 : 50;
    colourOf(e.type, cr);
    cairo_rectangle(cr, e.x, e.y, size, size);
    bool goal = isGoal(e.type);
    if (!goal || result.reached.count(i)) {
      cairo_fill(cr);
    } else {
      cairo_set_line_width(cr, 12);
      cairo_stroke(cr);
      cairo_move_to(cr, e.x, e.y);
      cairo_line_to(cr, e.x + size, e.y + size);
      cairo_stroke(cr);
    }
  }
  drawGoblinPosts(cr, level);
  cairo_destroy(cr);
  cairo_surface_write_to_png(out, path.c_str());
  cairo_surface_destroy(out);
  cairo_surface_destroy(picture);
}
