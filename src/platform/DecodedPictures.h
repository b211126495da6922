#pragma once
#include <SDL/SDL.h>

#include <future>
#include <map>
#include <string>
#include <thread>
#include <vector>

// A picture file decoded once. Its pixels are also kept in an in-memory file
// (pixelFile) so that every copy can be a private mapping of it; -1 when that
// file could not be made, and copies are then made by hand.
struct DecodedPicture {
  SDL_Surface* picture = nullptr;  // nullptr: missing or broken file
  int pixelFile = -1;
};

// The pictures decoded so far, each decoded once however many objects own a
// copy of it. Used from the main thread only; the helper threads that prefetch
// pictures hand them over through futures.
class DecodedPictures {
 public:
  DecodedPictures() = default;
  ~DecodedPictures() { release(); }
  DecodedPictures(const DecodedPictures&) = delete;
  DecodedPictures& operator=(const DecodedPictures&) = delete;

  // Starts decoding `paths`, in this order, on a helper thread of their own.
  void prefetch(const std::vector<std::string>& paths);
  // The decoded picture, waiting for its prefetch or decoding it now.
  const DecodedPicture& get(const std::string& path);
  // Waits for the helpers and forgets every decoded picture; copies stay valid.
  void release();

 private:
  std::map<std::string, std::shared_future<DecodedPicture>> byPath;
  std::vector<std::thread> helpers;
};

// The one instance, built on first use (objects load pictures while globals are
// still being built).
DecodedPictures& decodedPictures();
