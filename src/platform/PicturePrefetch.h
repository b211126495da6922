#pragma once

// Built before every other game object: starts decoding, on two helper threads,
// the pictures those objects load as they are built and start-up loads after
// them. The background alone takes about as long to decode as all the rest,
// so it gets a thread of its own. The browser has no threads: there each is
// handed out blank and decoded as the game starts (see LateDecoding).
class PicturePrefetch {
 public:
  PicturePrefetch();
};

extern PicturePrefetch picturePrefetch;
