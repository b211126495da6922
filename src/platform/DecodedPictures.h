#pragma once
#include <SDL/SDL.h>

#include <cstddef>
#include <future>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

// A picture file decoded once, shared by every handle made from it and freed
// when the last of them lets go.
struct DecodedPicture {
  std::shared_ptr<SDL_Surface> picture;  // empty: missing or broken file
};

// The pictures decoded so far, each decoded once however many objects hold a
// handle to it. Used from the main thread only; the helper threads that prefetch
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
  // Waits for the helpers and forgets every decoded picture; handles keep
  // theirs alive, and a later get decodes the file again.
  void release();

 private:
  std::map<std::string, std::shared_future<DecodedPicture>> byPath;
  std::vector<std::thread> helpers;
};

// The one instance, built on first use (objects load pictures while globals are
// still being built).
DecodedPictures& decodedPictures();

// Bytes of the decoded pictures alive now, each counted once.
size_t decodedPictureBytes();
