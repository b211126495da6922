#pragma once

// What the game does now and then while it waits for something that may take
// seconds (another game's lock on the score files). Start-up reads the window's
// events there: left waiting, they would overflow SDL's small event queue, and
// the keys typed meanwhile would be lost.
class WaitWork {
 public:
  void set(void (*work)()) { this->work = work; }
  void run() const {
    if (work) work();
  }

 private:
  void (*work)() = nullptr;
};

extern WaitWork waitWork;
