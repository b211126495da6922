#include "platform/DecodedPictures.h"

#include <SDL/SDL_image.h>

#include <atomic>
#include <memory>
#include <set>
#include <system_error>
#include <utility>

namespace {
std::atomic<size_t> liveDecodedBytes{0};

size_t pixelBytes(const SDL_Surface* s) { return size_t(s->pitch) * size_t(s->h); }

void freeDecoded(SDL_Surface* picture) {
  liveDecodedBytes -= pixelBytes(picture);
  SDL_FreeSurface(picture);
}

DecodedPicture decode(const std::string& path) {
  DecodedPicture d;
  if (SDL_Surface* picture = IMG_Load(path.c_str())) {
    liveDecodedBytes += pixelBytes(picture);
    d.picture.reset(picture, freeDecoded);
  }
  return d;
}

using Job = std::pair<std::string, std::promise<DecodedPicture>>;
}  // namespace

void DecodedPictures::prefetch(const std::vector<std::string>& paths) {
  // libpng is set up here, once, before two threads can decode at the same time.
  IMG_Init(IMG_INIT_PNG);
  auto jobs = std::make_shared<std::vector<Job>>();
  std::lock_guard<std::mutex> guard(lock);
  std::set<std::string> queued;
  for (const std::string& path : paths)
    if (!byPath.count(path) && queued.insert(path).second)
      jobs->emplace_back(path, std::promise<DecodedPicture>());
  std::vector<std::pair<std::string, std::shared_future<DecodedPicture>>> futures;
  for (Job& job : *jobs) futures.emplace_back(job.first, job.second.get_future().share());
  try {
    helpers.emplace_back([jobs] {
      for (Job& job : *jobs) job.second.set_value(decode(job.first));
    });
  } catch (const std::system_error&) {
    return;  // no thread to be had: each picture is decoded when it is loaded
  }
  for (auto& future : futures) byPath.insert(std::move(future));
}

DecodedPicture DecodedPictures::get(const std::string& path) {
  std::shared_future<DecodedPicture> picture;
  {
    std::lock_guard<std::mutex> guard(lock);
    auto found = byPath.find(path);
    if (found == byPath.end()) {
      // A picture released but still held by a handle is not decoded again.
      DecodedPicture held{released[path].lock()};
      std::promise<DecodedPicture> now;
      now.set_value(held.picture ? held : decode(path));
      found = byPath.emplace(path, now.get_future().share()).first;
    }
    picture = found->second;
  }
  return picture.get();  // a prefetch still decoding is waited for without the lock
}

void DecodedPictures::release() {
  std::lock_guard<std::mutex> guard(lock);
  for (std::thread& helper : helpers) helper.join();
  helpers.clear();
  for (auto& entry : byPath) released[entry.first] = entry.second.get().picture;
  byPath.clear();
}

DecodedPictures& decodedPictures() {
  static DecodedPictures pictures;
  return pictures;
}

size_t decodedPictureBytes() { return liveDecodedBytes; }
