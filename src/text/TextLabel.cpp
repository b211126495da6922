#include "text/TextLabel.h"

#include "platform/Blit.h"
#include "platform/FontEngine.h"
#include "platform/PixelHold.h"
#include "text/FontCache.h"
#include "text/Outline.h"

namespace {
const SDL_Color kOutlineNavy = {29, 42, 74, 0};  // the palette's night blue

bool sameColour(SDL_Color a, SDL_Color b) { return a.r == b.r && a.g == b.g && a.b == b.b; }

void render(TextLabel& label, const std::string& text, int x, int y, int size, SDL_Color colour, int inset) {
  label.rect.x = static_cast<Sint16>(x);
  label.rect.y = static_cast<Sint16>(y);
  TTF_Font* font = fontCache.get(size);
  if (label.surface && font == label.font && text == label.text && sameColour(colour, label.colour) &&
      inset == label.inset)
    return;
  label.text = text;
  label.font = font;
  label.colour = colour;
  label.inset = inset;
  if (label.surface) SDL_FreeSurface(label.surface);
  label.surface = nullptr;
  if (!font || text.empty()) return;
  // UTF-8, for the names of the score list; every other text is plain ASCII.
  label.surface = TTF_RenderUTF8_Solid(font, text.c_str(), colour);
  if (inset != 0) {
    SDL_Surface* plain = label.surface;
    label.surface = outlineText(plain, colour, kOutlineNavy);
    SDL_FreeSurface(plain);
  }
  holdPixels(label.surface);  // the browser drew it on a canvas: read once, here
}
}  // namespace

void renderLabel(TextLabel& label, const std::string& text, int x, int y, int size, SDL_Color colour) {
  render(label, text, x, y, size, colour, 0);
}

void renderOutlinedLabel(TextLabel& label, const std::string& text, int x, int y, int size,
                         SDL_Color colour) {
  render(label, text, x, y, size, colour, kOutlineWidth);
}

void drawLabel(TextLabel& label, SDL_Surface* screen) {
  if (!label.surface || !screen) return;
  SDL_Rect at = label.rect;  // the blit writes the clipped size back
  at.x = static_cast<Sint16>(at.x - label.inset);
  at.y = static_cast<Sint16>(at.y - label.inset + textDrop(label.font));
  blit(label.surface, nullptr, screen, &at);
}
