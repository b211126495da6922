#include "shell/Controls.h"

const std::vector<Binding>& controls() {
  using A = Action;
  using S = Source;
  static const std::vector<Binding> table = {
      {S::Key, SDLK_LEFT, 0, A::RunLeft},          {S::Key, SDLK_RIGHT, 0, A::RunRight},
      {S::Key, SDLK_UP, 0, A::Jump},               {S::Key, SDLK_SPACE, 0, A::Jump},
      {S::Key, SDLK_DOWN, 0, A::Drop},             {S::Key, SDLK_z, 0, A::Crouch},
      {S::Key, SDLK_LSHIFT, 0, A::Swing},          {S::Key, SDLK_LCTRL, 0, A::Trade},
      {S::Key, SDLK_1, 0, A::Start},               {S::Key, SDLK_2, 0, A::Instructions},
      {S::Key, SDLK_3, 0, A::Story},               {S::Key, SDLK_4, 0, A::About},
      {S::Key, SDLK_5, 0, A::Scores},              {S::Key, SDLK_6, 0, A::Shop},
      {S::Key, SDLK_7, 0, A::NameEntry},           {S::Key, SDLK_p, 0, A::Pause},
      {S::Key, SDLK_PAUSE, 0, A::Pause},           {S::Key, SDLK_ESCAPE, 0, A::Quit},
      {S::Key, SDLK_8, 0, A::Rules},               {S::PadButton, kPadRules, 0, A::Rules},
      {S::PadButton, kPadJump, 0, A::Jump},        {S::PadButton, kPadSwing, 0, A::Swing},
      {S::PadButton, kPadTrade, 0, A::Trade},      {S::PadButton, kPadCrouch, 0, A::Crouch},
      {S::PadButton, kPadBack, 0, A::Pause},       {S::PadButton, kPadStart, 0, A::Start},
      {S::PadHat, SDL_HAT_LEFT, 0, A::RunLeft},    {S::PadHat, SDL_HAT_RIGHT, 0, A::RunRight},
      {S::PadHat, SDL_HAT_DOWN, 0, A::Drop},       {S::PadAxis, 0, -1, A::RunLeft},
      {S::PadAxis, 0, 1, A::RunRight},             {S::PadAxis, 1, 1, A::Drop},
  };
  return table;
}

Action actionOf(Source source, int code) {
  for (const Binding& b : controls())
    if (b.source == source && b.code == code) return b.action;
  return Action::None;
}

SDLKey keyFor(Action action) {
  for (const Binding& b : controls())
    if (b.source == Source::Key && b.action == action) return static_cast<SDLKey>(b.code);
  return SDLK_UNKNOWN;
}
