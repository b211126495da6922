#pragma once
#include <SDL/SDL.h>

#include "platform/Tick.h"

// The screen and shop pictures, loaded at start-up and kept for the whole run.
extern SDL_Surface* titleImage;
extern SDL_Surface* instructionsImage;
extern SDL_Surface* storyImage;
extern SDL_Surface* statsImage;
extern SDL_Surface* aboutImage;
extern SDL_Surface* scoresImage;
extern SDL_Surface* shopBackgroundImage;
extern SDL_Surface* submitImage;
extern SDL_Surface* victoryImage;
extern SDL_Surface* weaponRackImage;
extern SDL_Surface* armourRackImage;
extern SDL_Surface* vendorImage;

// The racks and the vendor are white where transparent.
const Uint32 kShopColourKey = 0xFFFFFF;

void loadScreenImages();
// Blits a whole picture at (x, y) of the screen; an empty picture draws nothing.
void drawImage(SDL_Surface* image, int x, int y);

// The passes of the screens other than the shop.
void titlePass();
void picturePass(SDL_Surface* picture);
void playingPass(const Tick& tick);
// One pass of play drawn on `screen`; with none it draws nothing, and the game goes
// on exactly as when drawn.
void playPass(const Tick& tick, SDL_Surface* screen);
void submitPass();
void levelStatsPass();
void scoresPass();
void victoryPass();
