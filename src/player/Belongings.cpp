#include "player/Belongings.h"

#include "state/GameState.h"
#include "state/Rules.h"

namespace {
const int kWeaponHealth = 30;      // health points a consumed weapon level gives
const int kPoints[] = {1, 10, 5};  // by Deed: nut, animal, goblin knocked out
}  // namespace

void Belongings::reset() { *this = Belongings{}; }

int Belongings::pointsFor(Deed deed) { return kPoints[static_cast<int>(deed)]; }

void Belongings::earn(Deed deed) {
  score += pointsFor(deed);
  switch (deed) {
    case Deed::Nut:
      ++tally.nuts;
      break;
    case Deed::Animal:
      ++tally.animals;
      break;
    case Deed::Knockout:
      ++tally.knockouts;
      break;
  }
}

void Belongings::consumeWeapon() {
  if (weaponLevel <= 0) return;
  health += kWeaponHealth;  // no upper cap
  weaponLevel -= 1;
}

void Belongings::healForLevel() {
  if (health < rules().levelStartHealth) health = rules().levelStartHealth;
}
