#include "extras/ExitArrow.h"

#include <algorithm>
#include <cmath>

#include "extras/Extra.h"
#include "platform/Blit.h"
#include "platform/Layout.h"

ExitArrow exitArrow;

namespace {
const float kExitW = 150.0f, kExitH = 145.0f;     // px, the gate
const float kEdgeGap = 30.0f;                     // px from the screen's edge to the arrow's point
const float kLength = 28.0f, kHalfWidth = 14.0f;  // px, the arrow head
const float kOutlinePx = 2.0f;
const Uint8 kFill[] = {0xe8, 0xa3, 0x3d}, kOutline[] = {0x4a, 0x33, 0x26};

struct Point {
  float x, y;
};

float cross(Point a, Point b, Point p) { return (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x); }

// Fills the triangle a, b, c a pixel row at a time: it is convex, so each row is one run.
void fillTriangle(SDL_Surface* screen, Point a, Point b, Point c, Uint32 colour) {
  const int top = int(std::floor(std::min({a.y, b.y, c.y}))),
            bottom = int(std::ceil(std::max({a.y, b.y, c.y})));
  const int left = int(std::floor(std::min({a.x, b.x, c.x}))),
            right = int(std::ceil(std::max({a.x, b.x, c.x})));
  const float turn = cross(a, b, c) < 0.0f ? -1.0f : 1.0f;
  for (int y = top; y <= bottom; ++y) {
    int first = right + 1, last = left - 1;
    for (int x = left; x <= right; ++x) {
      const Point p = {float(x) + 0.5f, float(y) + 0.5f};
      if (turn * cross(a, b, p) >= 0.0f && turn * cross(b, c, p) >= 0.0f && turn * cross(c, a, p) >= 0.0f)
        first = std::min(first, x), last = std::max(last, x);
    }
    if (first > last) continue;
    SDL_Rect run = {Sint16(first), Sint16(y), Uint16(last - first + 1), 1};
    fillArea(screen, &run, colour);
  }
}

const Extra* levelExit() {
  for (const Extra& e : extras)
    if (e.type == LevelExit) return &e;
  return nullptr;
}
}  // namespace

void ExitArrow::draw(SDL_Surface* screen, float viewX, float viewY, int topPx) const {
  const Extra* exit = levelExit();
  if (!screen || !exit) return;
  const float left = float(exit->x) - viewX, top = float(exit->y) - viewY;
  if (left + kExitW > 0.0f && left < kScreenWidth && top + kExitH > float(topPx) && top < kScreenHeight)
    return;
  // The point sits on the screen's edge nearest the gate's centre, aimed at it.
  const Point centre = {left + kExitW / 2.0f, top + kExitH / 2.0f};
  const Point tip = {std::clamp(centre.x, kEdgeGap, kScreenWidth - kEdgeGap),
                     std::clamp(centre.y, float(topPx) + kEdgeGap, kScreenHeight - kEdgeGap)};
  float dx = centre.x - tip.x, dy = centre.y - tip.y;
  const float norm = std::hypot(dx, dy);
  dx /= norm, dy /= norm;
  const Uint32 fill = SDL_MapRGB(screen->format, kFill[0], kFill[1], kFill[2]);
  const Uint32 outline = SDL_MapRGB(screen->format, kOutline[0], kOutline[1], kOutline[2]);
  for (float grow : {kOutlinePx, 0.0f}) {
    const float len = kLength + 2.0f * grow, half = kHalfWidth + grow;
    const Point point = {tip.x + dx * grow, tip.y + dy * grow};
    const Point back = {point.x - dx * len, point.y - dy * len};
    fillTriangle(screen, point, {back.x - dy * half, back.y + dx * half},
                 {back.x + dy * half, back.y - dx * half}, grow > 0.0f ? outline : fill);
  }
}
