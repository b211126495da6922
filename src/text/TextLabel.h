#pragma once
#include <SDL/SDL.h>
#include <SDL/SDL_ttf.h>

#include <string>

// A line of text rendered in the game's font, and where it is drawn.
struct TextLabel {
  TTF_Font* font = nullptr;
  SDL_Rect rect = {0, 0, 0, 0};
  SDL_Surface* surface = nullptr;  // empty until rendered, or for an empty text
  std::string text;
  SDL_Color colour = {0, 0, 0, 0};
  int inset = 0;  // px the image reaches left of and above rect (its outline)
};

// Renders `text` at (x, y) in the font at `size` points, releasing the label's old image.
// An unchanged text keeps its image, so a label rebuilt every frame costs nothing.
void renderLabel(TextLabel& label, const std::string& text, int x, int y, int size, SDL_Color colour);
// The same with a dark outline, for text drawn over a level or the shop.
void renderOutlinedLabel(TextLabel& label, const std::string& text, int x, int y, int size, SDL_Color colour);
// Blits the label's whole image at its position.
void drawLabel(TextLabel& label, SDL_Surface* screen);
