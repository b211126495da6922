#include "platform/LateDecoding.h"

#ifdef __EMSCRIPTEN__
#include <emscripten.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/PixelHold.h"

// The decoder the browser's SDL_image uses, called directly: its pixels become
// the picture's own, with no canvas read back (see pixelPicture).
extern "C" unsigned char* stbi_load_from_memory(const unsigned char* bytes, int count, int* w, int* h,
                                                int* channels, int wanted);

namespace {
const int kRgba = 4;                            // channels asked of the decoder
const size_t kBrowserDecodesFrom = 16u << 20;   // bytes decoded: only the background is as big
const int kBusy = 0, kFailed = -1;              // a browser job's states but done (1)
const size_t kBytesBroughtInAtOnce = 2u << 20;  // of a picture the browser decoded: a slice a pass

unsigned char* decodeRgba(const std::string& bytes, int& w, int& h) {
  int channels = 0;
  return stbi_load_from_memory(reinterpret_cast<const unsigned char*>(bytes.data()), int(bytes.size()), &w,
                               &h, &channels, kRgba);
}
}  // namespace

// The browser decodes the file in a worker of its own, beside the page, and
// keeps its pixels until they are copied in. The numbers are exact only where
// a pixel is opaque (a canvas keeps colours multiplied by alpha), as in the
// background.
// clang-format off
EM_JS(int, browserDecodeJs, (const char* bytes, int count, int w, int h), {
  if (typeof Worker != 'function' || typeof OffscreenCanvas != 'function') return -1;
  var jobs = Module['thornwaldDecodes'] = Module['thornwaldDecodes'] || [];
  var job = jobs.length;
  jobs.push(0);
  var work = 'onmessage = function(e) {' +
    '  createImageBitmap(e.data.file, {premultiplyAlpha: "none", colorSpaceConversion: "none"}).then(function(b) {' +
    '    var c = new OffscreenCanvas(e.data.w, e.data.h).getContext("2d");' +
    '    c.drawImage(b, 0, 0);' +
    '    var d = c.getImageData(0, 0, e.data.w, e.data.h).data.buffer;' +
    '    postMessage(d, [d]);' +
    '  }).catch(function() { postMessage(null); });' +
    '};';
  try {
    var url = URL.createObjectURL(new Blob([work], {type: 'text/javascript'}));
    var worker = new Worker(url);
    URL.revokeObjectURL(url);
  } catch (e) {
    return -1;
  }
  worker.onmessage = function(e) {
    jobs[job] = e.data && e.data.byteLength == w * h * 4 ? e.data : -1;
    worker.terminate();
  };
  worker.onerror = function() { jobs[job] = -1; worker.terminate(); };
  var file = new Blob([HEAPU8.slice(bytes, bytes + count)], {type: 'image/png'});
  worker.postMessage({file: file, w: w, h: h});
  return job;
});

// Copies `count` bytes of a job's pixels from `from` on; 0 while the browser
// still decodes, -1 when it failed.
EM_JS(int, browserCopyJs, (int job, void* pixels, int from, int count), {
  var jobs = Module['thornwaldDecodes'];
  var done = jobs[job];
  if (typeof done == 'number') return done;
  HEAPU8.set(new Uint8Array(done, from, count), pixels + from);
  if (from + count == done.byteLength) jobs[job] = 1;  // lets go of the copy
  return 1;
});
// clang-format on

SDL_Surface* LateDecoding::blank(int w, int h, const std::string& bytes) {
  void* pixels = nullptr;
  if (deferring) {
    pixels =
        std::malloc(size_t(w) * size_t(h) * kRgba);  // not cleared: nothing draws it before it is decoded
  } else {
    pixels = decodeRgba(bytes, w, h);
  }
  return pixels ? pixelPicture(w, h, pixels) : nullptr;
}

void LateDecoding::add(const std::shared_ptr<SDL_Surface>& picture, std::string&& bytes) {
  if (!deferring) return;
  Waiting w{picture, std::move(bytes), -1, 0, nullptr};
  if (size_t(picture->pitch) * size_t(picture->h) >= kBrowserDecodesFrom)
    w.browserJob = browserDecodeJs(w.bytes.data(), int(w.bytes.size()), picture->w, picture->h);
  if (w.browserJob < 0) {
    queue.push_back(std::move(w));
    return;
  }
  w.held = picture;
  inBrowser.push_back(std::move(w));
}

SDL_Surface* LateDecoding::decodeHere(Waiting& w) {
  const std::shared_ptr<SDL_Surface> picture = w.picture.lock();
  if (!picture) return nullptr;  // let go of before its turn
  int width = 0, height = 0;
  unsigned char* rgba = decodeRgba(w.bytes, width, height);
  if (rgba && width == picture->w && height == picture->h) {
    adoptPixels(picture.get(), rgba);
  } else {
    // A file that does not decode is clear: it draws nothing, as a missing one.
    std::free(rgba);
    std::memset(picture->pixels, 0, size_t(picture->pitch) * size_t(picture->h));
  }
  return picture.get();  // its handles keep it
}

bool LateDecoding::bringSliceIn(Waiting& w) {
  SDL_Surface* picture = w.held.get();
  const size_t total = size_t(picture->pitch) * size_t(picture->h);
  const size_t count = std::min(kBytesBroughtInAtOnce, total - w.broughtIn);
  const int state = browserCopyJs(w.browserJob, picture->pixels, int(w.broughtIn), int(count));
  if (state == kBusy) return false;
  if (state == kFailed) {
    decodeHere(w);  // a long pass, but the picture after all
    return true;
  }
  w.broughtIn += count;
  return w.broughtIn == total;
}

bool LateDecoding::bringIn(const SDL_Surface* picture) {
  for (auto job = inBrowser.begin(); job != inBrowser.end(); ++job) {
    if (job->held.get() != picture) continue;
    if (!bringSliceIn(*job)) return false;
    inBrowser.erase(job);
    return true;
  }
  return true;
}

SDL_Surface* LateDecoding::next() {
  while (!queue.empty()) {
    Waiting w = std::move(queue.front());
    queue.pop_front();
    if (SDL_Surface* done = decodeHere(w)) return done;
  }
  deferring = false;  // what is asked for from now on is decoded at once
  return nullptr;
}

bool LateDecoding::waits(const SDL_Surface* picture) const {
  for (const auto* list : {&queue, &inBrowser})
    for (const Waiting& w : *list)
      if (w.picture.lock().get() == picture) return true;
  return false;
}
#endif

LateDecoding& lateDecoding() {
  static LateDecoding decoding;
  return decoding;
}
