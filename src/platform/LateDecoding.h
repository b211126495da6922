#pragma once
#include <SDL/SDL.h>

#include <cstddef>
#include <deque>
#include <memory>
#include <string>

// The browser's pictures, decoded after they are handed out. A page has no
// thread to decode on and must never stop for long, so while the game starts
// a picture is handed out blank, at the size its file's header gives, and
// decoded later, one a start-up pass. The biggest (the background) goes to the
// browser's own decoder, in a worker beside the page, and its pixels come in
// a slice at a time, as the level painter asks for them. Once start-up has
// decoded the rest, pictures asked for are decoded at once. The desktop
// decodes on helper threads and never uses this.
class LateDecoding {
 public:
  // A w x h picture for the PNG in `bytes`: blank while start-up runs, else decoded now.
  SDL_Surface* blank(int w, int h, const std::string& bytes);
  // Queues a picture `blank` handed out blank, with its file's bytes.
  void add(const std::shared_ptr<SDL_Surface>& picture, std::string&& bytes);
  // Decodes the next queued picture here and returns it; nullptr when none is left.
  SDL_Surface* next();
  // True once the picture's pixels are all in. For a picture the browser
  // decodes, each call brings in another slice of them once it is done.
  bool bringIn(const SDL_Surface* picture);
  size_t waiting() const { return queue.size(); }
  bool waits(const SDL_Surface* picture) const;

 private:
  struct Waiting {
    std::weak_ptr<SDL_Surface> picture;
    std::string bytes;
    int browserJob = -1;   // the browser's decoding of it, if it has one
    size_t broughtIn = 0;  // bytes of its pixels copied in from the browser's
    // Held while its pixels come in from the browser.
    std::shared_ptr<SDL_Surface> held;
  };
  SDL_Surface* decodeHere(Waiting& w);
  bool bringSliceIn(Waiting& w);

  std::deque<Waiting> queue, inBrowser;
  bool deferring = true;
};

// The one instance, built on first use (pictures are asked for while globals are still being built).
LateDecoding& lateDecoding();
