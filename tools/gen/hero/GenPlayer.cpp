// The hero's sheet: every frame is painted facing right and mirrored for the left rows;
// the run, jump and stand-or-slide frames are side-on, so the way he faces reads.
#include "Generators.h"
#include "hero/PandaPainter.h"
#include "kit/SpriteKit.h"
#include "platform/Layout.h"

namespace {

using namespace hero;

constexpr int kOutlineWidth = 1;  // px
static_assert(kPandaFrame == heroSheet::kFrame, "the panda is painted to the frame the game cuts");

// Paints one pose into the frame whose top-left corner is (x, y).
void placeFrame(cairo_t* sheet, const PandaPose& pose, int x, int y, bool facingLeft) {
  cairo_surface_t* frame = newCanvas(kPandaFrame, kPandaPaintedRows);
  cairo_t* cr = cairo_create(frame);
  paintPanda(cr, pose);
  cairo_destroy(cr);
  kit::stampOutlined(sheet, frame, x, y, kPandaOutline, kOutlineWidth, facingLeft);
  cairo_surface_destroy(frame);
}

// A run of frames facing right and the same frames mirrored in the left run.
template <typename PoseOf>
void placeBothWays(cairo_t* sheet, PoseOf poseOf, SheetRun right, SheetRun left) {
  for (int i = 0; i < right.frames; ++i) {
    placeFrame(sheet, poseOf(i), right.x + i * kPandaFrame, right.y, false);
    placeFrame(sheet, poseOf(i), left.x + i * kPandaFrame, left.y, true);
  }
}

void placeOne(cairo_t* sheet, const PandaPose& pose, SheetRun at, bool facingLeft) {
  placeFrame(sheet, pose, at.x, at.y, facingLeft);
}

}  // namespace

void generatePlayer(const std::string& gameDir) {
  using namespace heroSheet;
  cairo_surface_t* canvas = newCanvas(kWidth, kHeight);
  cairo_t* sheet = cairo_create(canvas);
  placeBothWays(sheet, runPose, kRunRight, kRunLeft);
  placeBothWays(sheet, airPose, kJumpRight, kJumpLeft);
  placeBothWays(sheet, attackPose, kSwingRight, kSwingLeft);
  placeOne(sheet, slidePose(), kStandRight, false);
  placeOne(sheet, crouchPose(), kCrouchRight, false);
  placeOne(sheet, slidePose(), kStandLeft, true);
  placeOne(sheet, crouchPose(), kCrouchLeft, true);
  placeOne(sheet, puzzledPose(), kPuzzled, false);
  cairo_destroy(sheet);
  saveRgba(canvas, gameDir + "/pics/player.png");
  cairo_surface_destroy(canvas);
}
