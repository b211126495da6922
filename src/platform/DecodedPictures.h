#pragma once
#include <SDL/SDL.h>

#include <cstddef>
#include <future>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// A picture file decoded once, shared by every handle made from it and freed
// when the last of them lets go.
struct DecodedPicture {
  std::shared_ptr<SDL_Surface> picture;  // empty: missing or broken file
};

// The pictures decoded so far, each decoded once however many objects hold a
// handle to it. The helper threads that prefetch pictures hand them over through
// futures; the level painter loads the background, so the table is locked.
class DecodedPictures {
 public:
  DecodedPictures() = default;
  ~DecodedPictures() { release(); }
  DecodedPictures(const DecodedPictures&) = delete;
  DecodedPictures& operator=(const DecodedPictures&) = delete;

  // Starts decoding `paths`, in this order, on a helper thread of their own.
  void prefetch(const std::vector<std::string>& paths);
  // The decoded picture, waiting for its prefetch or decoding it now.
  DecodedPicture get(const std::string& path);
  // Waits for the helpers and lets go of every decoded picture; handles keep
  // theirs alive, and a later get decodes the file again only if none is left.
  void release();

 private:
  std::map<std::string, std::shared_future<DecodedPicture>> byPath;
  std::map<std::string, std::weak_ptr<SDL_Surface>> released;
  std::vector<std::thread> helpers;
  std::mutex lock;
};

// The one instance, built on first use (objects load pictures while globals are
// still being built).
DecodedPictures& decodedPictures();

// Bytes of the decoded pictures alive now, each counted once.
size_t decodedPictureBytes();
