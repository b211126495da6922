#pragma once
// One painter per 640 x 480 screen picture; generateScreens (GenScreens.cpp) saves them.
#include <cairo.h>

namespace scr {

void paintTitle(cairo_t* cr);            // GenScreens.cpp
void paintTitleWeb(cairo_t* cr);         // GenScreens.cpp, for the browser
void paintStats(cairo_t* cr);            // GenScreens.cpp
void paintScores(cairo_t* cr);           // GenScreens.cpp
void paintSubmit(cairo_t* cr);           // GenScreens.cpp
void paintInstructions(cairo_t* cr);     // GenScreenText.cpp
void paintInstructionsWeb(cairo_t* cr);  // GenScreenText.cpp, for the browser
void paintStory(cairo_t* cr);            // GenScreenText.cpp
void paintAbout(cairo_t* cr);            // GenScreenText.cpp
void paintShopBackground(cairo_t* cr);   // GenShopBackground.cpp
void paintVictory(cairo_t* cr);          // GenVictory.cpp

}  // namespace scr
