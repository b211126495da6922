#include "text/TextLabel.h"

#include "text/FontCache.h"

void renderLabel(TextLabel& label, const std::string& text, int x, int y, int size, SDL_Color colour) {
  label.rect.x = static_cast<Sint16>(x);
  label.rect.y = static_cast<Sint16>(y);
  label.text = text;
  label.font = fontCache.get(size);
  if (label.surface) SDL_FreeSurface(label.surface);
  label.surface = nullptr;
  // UTF-8, for the names of the score list; every other text is plain ASCII.
  if (label.font && !text.empty()) label.surface = TTF_RenderUTF8_Solid(label.font, text.c_str(), colour);
}

void drawLabel(TextLabel& label, SDL_Surface* screen) {
  if (!label.surface || !screen) return;
  SDL_Rect at = label.rect;  // the blit writes the clipped size back
  SDL_BlitSurface(label.surface, nullptr, screen, &at);
}
