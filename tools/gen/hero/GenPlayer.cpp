// The hero's sheet: every frame is painted facing right and mirrored for the left rows;
// the run, jump and stand-or-slide frames are side-on, so the way he faces reads.
#include "Generators.h"
#include "hero/PandaPainter.h"
#include "kit/SpriteKit.h"

namespace {

using namespace hero;

constexpr int kSheetWidth = 300, kSheetHeight = 650;  // px
constexpr int kOutlineWidth = 1;                      // px

// Paints one pose into the frame whose top-left corner is (x, y).
void placeFrame(cairo_t* sheet, const PandaPose& pose, int x, int y, bool facingLeft) {
  cairo_surface_t* frame = newCanvas(kPandaFrame, kPandaPaintedRows);
  cairo_t* cr = cairo_create(frame);
  paintPanda(cr, pose);
  cairo_destroy(cr);
  kit::stampOutlined(sheet, frame, x, y, kPandaOutline, kOutlineWidth, facingLeft);
  cairo_surface_destroy(frame);
}

// A row of frames facing right at `rightRow` and the same frames mirrored at `leftRow`.
template <typename PoseOf>
void placeBothWays(cairo_t* sheet, int count, PoseOf poseOf, int rightRow, int leftRow) {
  for (int i = 0; i < count; ++i) {
    placeFrame(sheet, poseOf(i), i * kPandaFrame, rightRow, false);
    placeFrame(sheet, poseOf(i), i * kPandaFrame, leftRow, true);
  }
}

}  // namespace

void generatePlayer(const std::string& gameDir) {
  cairo_surface_t* canvas = newCanvas(kSheetWidth, kSheetHeight);
  cairo_t* sheet = cairo_create(canvas);
  placeBothWays(sheet, 3, runPose, 100, 150);
  placeBothWays(sheet, 6, airPose, 200, 250);
  placeBothWays(sheet, 3, attackPose, 350, 300);  // the left-facing attack row comes first
  placeFrame(sheet, slidePose(), 0, 400, false);
  placeFrame(sheet, crouchPose(), 50, 400, false);
  placeFrame(sheet, slidePose(), 0, 450, true);
  placeFrame(sheet, crouchPose(), 50, 450, true);
  placeFrame(sheet, puzzledPose(), 100, 600, false);
  cairo_destroy(sheet);
  saveRgba(canvas, gameDir + "/pics/player.png");
  cairo_surface_destroy(canvas);
}
