#pragma once
// What the hero has: health, lives, points, nuts, freed animals, weapon and armour.

// What the hero did in a level that scores under the wild rules.
enum class Deed { Nut, Animal, Knockout };

// The deeds of the level being played, counted under the wild rules.
struct LevelTally {
  int nuts = 0;
  int animals = 0;
  int knockouts = 0;
};

class Belongings {
 public:
  // Back to a new game's: full health, three lives, nothing else.
  void reset();
  // Adds a deed's points to the score and the level's tally.
  void earn(Deed deed);
  static int pointsFor(Deed deed);
  // A weapon level traded for health; nothing without a weapon.
  void consumeWeapon();
  // Under the wild rules a level starts with some health to lose, whatever the last one left.
  void healForLevel();

  int health = 100;
  int lives = 3;
  int score = 0;
  int animals = 0;
  int nuts = 0;
  int weaponLevel = 0;
  int armourLevel = 0;
  LevelTally tally;
};
