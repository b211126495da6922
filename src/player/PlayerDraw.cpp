// The hero's drawing: body frame, health bar, weapon indicator, in that order.
#include "platform/Blit.h"
#include "platform/Layout.h"
#include "platform/Message.h"
#include "player/Player.h"
#include "player/View.h"
#include "state/GameState.h"
#include "state/Rules.h"

namespace {
const int kCellPx = heroSheet::kFrame;  // px, body frames and indicator cells
static_assert(kCellPx == extrasSheet::kCell, "a weapon indicator is the size of a body frame");
const uint32_t kFrameMs = 100;        // ms each ladder column shows
const float kShopBodyOffset = 25.0f;  // px from the sprite's centre to its corner
const int kHealthPerBarPx = 10;
const Uint16 kBarWidth = 4;   // px
const int kBarOffsetX = 23;   // px right of the body's corner
const int kBarOffsetY = -20;  // px from the body's top edge, plus the bar height: full, it ends there

// A run of frames along one row of the sheet, each shown for kFrameMs.
struct BodyLadder {
  SheetRun run;
  bool restartsEveryCall;  // the crouch holds its one frame
  bool undefined;          // no rule matched
};

// The first rule that matches: attacking over everything, standing over sliding,
// airborne over crouching. `attacking`: the key is held, or a wild swing still plays.
BodyLadder chooseLadder(const Player& p, bool attacking) {
  using namespace heroSheet;
  bool right = p.ori == 0;
  bool left = p.ori == 1;
  bool onFeet = !p.jum && !p.cro;  // on the ground and not crouching
  if (attacking && left) return {kSwingLeft, false, false};
  if (attacking && right) return {kSwingRight, false, false};
  if (left && onFeet && p.speedx == 0.0f) return {kStandLeft, false, false};
  if (right && onFeet && p.speedx == 0.0f) return {kStandRight, false, false};
  if (left && onFeet && p.sli) return {kStandLeft, false, false};
  if (right && onFeet && p.sli) return {kStandRight, false, false};
  if (right && onFeet) return {kRunRight, false, false};
  if (left && onFeet) return {kRunLeft, false, false};
  if (right && p.jum) return {kJumpRight, false, false};
  if (left && p.jum) return {kJumpLeft, false, false};
  if (right && p.cro) return {kCrouchRight, true, false};
  if (left && p.cro) return {kCrouchLeft, true, false};
  return {kPuzzled, false, true};
}

// The column the cycle has reached; a cycle that ran out shows its first column, as
// animate restarts it there.
Sint16 ladderColumn(const Player& p, const BodyLadder& ladder, uint32_t now) {
  uint32_t elapsed = now - p.animStart;
  if (ladder.restartsEveryCall || elapsed >= kFrameMs * ladder.run.frames)
    return static_cast<Sint16>(ladder.run.x);
  return static_cast<Sint16>(ladder.run.x + kCellPx * static_cast<int>(elapsed / kFrameMs));
}

void reportUndefined(const Player& p) {
  printMessage("default, error undefined animation ori %d, cro %d, jum %d, sli %d, speedx %.1f, att %d\n",
               p.ori, p.cro, p.jum, p.sli, static_cast<double>(p.speedx), p.att);
}

// The indicator's cell by weapon level 0 … 5; anything else shows as 5.
const int kTopWeaponLevel = extrasSheet::kWeaponLevels - 1;
// Indicator offsets from the body's corner, in px: above the head when idle,
// held out to the facing side while attacking.
const int kIdleIndicatorX = 0, kIdleIndicatorY = -20;
const int kSwingIndicatorX = 20, kSwingIndicatorY = -10;

// Where the swung weapon and its swoosh are painted in the indicator cell that shows a
// swing to the right, by weapon level (cell px; the cell to the left is its mirror).
const ArcBox kArcInCell[] = {{8, 15, 39, 41}, {8, 15, 39, 44}, {7, 15, 39, 45},
                             {6, 7, 47, 47},  {7, 7, 47, 50},  {5, 4, 49, 47}};
static_assert(sizeof kArcInCell / sizeof kArcInCell[0] == extrasSheet::kWeaponLevels, "one per weapon");

// Under the wild rules a hurt shows as a red frame round the screen.
const uint32_t kHurtFrameMs = 150;
const int kHurtFramePx = 6;  // px wide
const Uint8 kHurtRed[] = {220, 24, 24};

// Screen corner of the body: during play the hero stays at the screen's centre;
// elsewhere (the shop) (x, y) is the sprite's centre, cut toward zero. A hero who
// left the level in this very step (exit, last life) is already drawn as there.
void bodyCorner(const Player& p, Sint16& bodyX, Sint16& bodyY) {
  bodyX = static_cast<Sint16>(view.heroScreenX());
  bodyY = static_cast<Sint16>(view.heroScreenY());
  if (getGameState() == Playing && !playEvents.leftLevel()) return;
  bodyX = static_cast<Sint16>(static_cast<int>(p.x - kShopBodyOffset));
  bodyY = static_cast<Sint16>(static_cast<int>(p.y - kShopBodyOffset));
}

// Faint: every other row of the frame, so a blinking hero never vanishes in a crowd.
void drawBody(const Player& p, SDL_Surface* screen, Sint16 bodyX, Sint16 bodyY, uint32_t now, bool faint) {
  BodyLadder ladder = chooseLadder(p, p.att || p.swinging(now));
  const Sint16 column = ladderColumn(p, ladder, now), top = static_cast<Sint16>(ladder.run.y);
  if (!faint) {
    SDL_Rect src = {column, top, kCellPx, kCellPx};
    SDL_Rect dst = {bodyX, bodyY, 0, 0};
    blit(p.look.spriteSheet, &src, screen, &dst);
    return;
  }
  for (Sint16 row = 0; row < kCellPx; row += 2) {
    SDL_Rect src = {column, static_cast<Sint16>(top + row), kCellPx, 1};
    SDL_Rect dst = {bodyX, static_cast<Sint16>(bodyY + row), 0, 0};
    blit(p.look.spriteSheet, &src, screen, &dst);
  }
}

// In a dark period of the blink: the classic hero is not drawn, the wild one drawn faint.
bool bodyHidden(const Player& p, uint32_t now) {
  return blinkDark(p.hurtBlink, p.hurtTick, now, p.shieldMs) && !rules().faintBlink;
}

// One pixel of height per 10 health, growing downward to the body's top edge.
void drawHealthBar(const Player& p, SDL_Surface* screen, Sint16 bodyX, Sint16 bodyY) {
  // A health below zero shows as an empty bar, not a 16-bit wrap.
  int barHeight = p.belongings.health > 0 ? p.belongings.health / kHealthPerBarPx : 0;
  SDL_Rect src = {0, 0, kBarWidth, static_cast<Uint16>(barHeight)};
  SDL_Rect dst = {static_cast<Sint16>(bodyX + kBarOffsetX),
                  static_cast<Sint16>(bodyY + kBarOffsetY + barHeight), 0, 0};
  blit(p.look.healthBarImage, &src, screen, &dst);
}

int knownWeaponLevel(int level) { return level >= 0 && level < kTopWeaponLevel ? level : kTopWeaponLevel; }

void drawWeaponIndicator(const Player& p, SDL_Surface* screen, Sint16 bodyX, Sint16 bodyY, uint32_t now) {
  const extrasSheet::WeaponCells& cell = extrasSheet::kWeapons[knownWeaponLevel(p.belongings.weaponLevel)];
  int column = cell.idle;
  int dx = kIdleIndicatorX, dy = kIdleIndicatorY;
  bool attacking = p.att || p.swinging(now);
  if (attacking && p.ori == 1) {
    column = cell.swungLeft;
    dx = -kSwingIndicatorX;
    dy = kSwingIndicatorY;
  } else if (attacking && p.ori == 0) {
    column = cell.swungRight;
    dx = kSwingIndicatorX;
    dy = kSwingIndicatorY;
  }
  SDL_Rect src = {static_cast<Sint16>(column), static_cast<Sint16>(cell.row), kCellPx, kCellPx};
  SDL_Rect dst = {static_cast<Sint16>(bodyX + dx), static_cast<Sint16>(bodyY + dy), 0, 0};
  blit(p.look.extrasSheet, &src, screen, &dst);
}

// Four strips along the screen's edges, over the level and under the status line.
void drawHurtFrame(SDL_Surface* screen) {
  Uint32 red = SDL_MapRGB(screen->format, kHurtRed[0], kHurtRed[1], kHurtRed[2]);
  const int w = screen->w, h = screen->h, t = kHurtFramePx;
  SDL_Rect strips[] = {{0, 0, Uint16(w), Uint16(t)},
                       {0, Sint16(h - t), Uint16(w), Uint16(t)},
                       {0, 0, Uint16(t), Uint16(h)},
                       {Sint16(w - t), 0, Uint16(t), Uint16(h)}};
  for (SDL_Rect& strip : strips) fillArea(screen, &strip, red);
}
}  // namespace

ArcBox swingArc(float px, float py, uint8_t ori, int weaponLevel) {
  const ArcBox& inCell = kArcInCell[knownWeaponLevel(weaponLevel)];
  float cornerY = py + kHeroScreenY + kSwingIndicatorY;
  if (ori == 1) {
    float cornerX = px + kHeroScreenX - kSwingIndicatorX;
    return {cornerX + kCellPx - inCell.right, cornerY + inCell.top, cornerX + kCellPx - inCell.left,
            cornerY + inCell.bottom};
  }
  float cornerX = px + kHeroScreenX + kSwingIndicatorX;
  return {cornerX + inCell.left, cornerY + inCell.top, cornerX + inCell.right, cornerY + inCell.bottom};
}

// The only timed effect of the hero's look: the restart of a cycle that ran out, or of
// the crouch on every step. None while a blink hides the body.
void Player::animate(uint32_t now) {
  if (bodyHidden(*this, now)) return;
  BodyLadder ladder = chooseLadder(*this, att || swinging(now));
  if (ladder.undefined) reportUndefined(*this);
  if (ladder.restartsEveryCall || now - animStart >= kFrameMs * ladder.run.frames) animStart = now;
}

// Three blits in this order, so the weapon indicator lies on top; in the dark periods
// of a blink none, or under the wild rules all three with the body faint.
void Player::draw(SDL_Surface* screen, uint32_t now) const {
  // The frame belongs to play: the blink's first dark period must not hide it.
  if (screen && rules().hurtFrame && getGameState() == Playing && hurtBlink && now - hurtTick < kHurtFrameMs)
    drawHurtFrame(screen);
  if (bodyHidden(*this, now)) return;
  Sint16 bodyX, bodyY;
  bodyCorner(*this, bodyX, bodyY);
  // The blink lasts as long as the safety, so the player sees how long it holds.
  drawBody(*this, screen, bodyX, bodyY, now, blinkDark(hurtBlink, hurtTick, now, shieldMs));
  drawHealthBar(*this, screen, bodyX, bodyY);
  drawWeaponIndicator(*this, screen, bodyX, bodyY, now);
}
