#pragma once
// Random key presses, as a restless player would make them.
#include <SDL/SDL.h>

#include <cstdint>
#include <random>
#include <vector>

class RandomKeys {
 public:
  explicit RandomKeys(unsigned seed);
  // Pushes this frame's presses and due releases onto the event queue.
  void pressSome();
  // A frame time between a fast and a very slow machine's, in ms.
  uint32_t frameMs();

 private:
  struct Held {
    SDLKey key;
    int framesLeft;
  };
  SDLKey pick();

  std::mt19937 random;
  std::vector<Held> held;
};
