#include "platform/DecodedPictures.h"

#include <SDL/SDL_image.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <set>
#include <system_error>
#include <utility>

#include "platform/LateDecoding.h"
#include "platform/RegularFile.h"
#include "platform/StopRequest.h"
#include "platform/SurfaceFormat.h"

namespace {
std::atomic<size_t> liveDecodedBytes{0};

size_t pixelBytes(const SDL_Surface* s) { return size_t(s->pitch) * size_t(s->h); }

void freeDecoded(SDL_Surface* picture) {
  liveDecodedBytes -= pixelBytes(picture);
  SDL_FreeSurface(picture);
}

// The cap on a picture's decoded pixels: the largest picture, the background,
// is 38.5 MiB decoded.
const size_t kMaxPicturePixelBytes = 64u << 20;  // bytes, at 4 bytes a pixel
const size_t kBytesPerPixel = 4;                 // the most a decoded PNG takes

uint32_t bigEndianAt(const std::string& bytes, size_t at) {
  uint32_t v = 0;
  for (size_t i = at; i < at + 4; ++i) v = (v << 8) | static_cast<unsigned char>(bytes[i]);
  return v;
}

// A PNG whose header (IHDR, the first chunk) declares a size that decodes within
// the cap. Any size is taken: whatever draws a picture cuts its rectangles to it.
const size_t kWidthAt = 16, kHeightAt = 20;  // bytes into the file: IHDR's width and height

bool decodesWithinCap(const std::string& bytes) {
  static const char kPngStart[] = "\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR";  // signature, IHDR length and type
  const size_t kStartBytes = sizeof kPngStart - 1, kHeaderBytes = 24;
  if (bytes.size() < kHeaderBytes || bytes.compare(0, kStartBytes, kPngStart, kStartBytes) != 0) return false;
  const uint64_t width = bigEndianAt(bytes, kWidthAt), height = bigEndianAt(bytes, kHeightAt);
  return width > 0 && height > 0 && width * height <= kMaxPicturePixelBytes / kBytesPerPixel;
}

#ifdef __EMSCRIPTEN__
// The browser decodes its pictures late (see LateDecoding): here they are handed out blank.
SDL_Surface* decodePng(const std::string& bytes) {
  return lateDecoding().blank(int(bigEndianAt(bytes, kWidthAt)), int(bigEndianAt(bytes, kHeightAt)), bytes);
}

void decodeLater(const std::shared_ptr<SDL_Surface>& picture, std::string&& bytes) {
  lateDecoding().add(picture, std::move(bytes));
}
#else
void decodeLater(const std::shared_ptr<SDL_Surface>&, std::string&&) {}

SDL_RWops* innerOf(SDL_RWops* rw) { return static_cast<SDL_RWops*>(rw->hidden.unknown.data1); }

// The file's bytes for the decoder, which fail once the game is asked to end:
// objects built before main wait for their pictures, and a signal must not
// wait for a long decode.
SDL_RWops* stoppableSource(const std::string& bytes) {
  SDL_RWops* inner = SDL_RWFromConstMem(bytes.data(), int(bytes.size()));
  SDL_RWops* outer = inner ? SDL_AllocRW() : nullptr;
  if (!outer) {
    if (inner) SDL_RWclose(inner);
    return nullptr;
  }
  outer->hidden.unknown.data1 = inner;
  outer->read = [](SDL_RWops* rw, void* to, int size, int count) {
    return stopRequested() ? -1 : SDL_RWread(innerOf(rw), to, size, count);
  };
  outer->seek = [](SDL_RWops* rw, int offset, int whence) { return SDL_RWseek(innerOf(rw), offset, whence); };
  outer->write = [](SDL_RWops*, const void*, int, int) { return -1; };
  outer->close = [](SDL_RWops* rw) {
    SDL_RWclose(innerOf(rw));
    SDL_FreeRW(rw);
    return 0;
  };
  return outer;
}

SDL_Surface* decodePng(const std::string& bytes) { return IMG_Load_RW(stoppableSource(bytes), 1); }
#endif

// Only a regular PNG file that decodes within the cap is decoded; anything else is missing.
DecodedPicture decode(const std::string& path) {
  DecodedPicture d;
  std::string bytes;
  if (stopRequested() || !wasRead(readRegularFile(path.c_str(), kMaxMediaFileBytes, bytes)) ||
      !decodesWithinCap(bytes))
    return d;
  if (SDL_Surface* picture = decodePng(bytes)) {
    fillShifts(picture);
    liveDecodedBytes += pixelBytes(picture);
    d.picture.reset(picture, freeDecoded);
    decodeLater(d.picture, std::move(bytes));
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
    // No thread to be had (the browser): decoded now, so that no later pass waits on one.
    for (Job& job : *jobs) job.second.set_value(decode(job.first));
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
