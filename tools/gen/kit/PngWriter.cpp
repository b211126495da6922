// A small, dependency-free PNG encoder: each row gets the Sub or the Up filter,
// whichever leaves smaller numbers, and the rows are deflated with the fixed
// Huffman codes and runs of repeated bytes. The pictures are mostly flat
// colour, so that is enough to keep them small.
#include "kit/PngWriter.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

uint32_t crc32(const uint8_t* data, size_t n, uint32_t crc = 0) {
  static uint32_t table[256];
  static bool ready = false;
  if (!ready) {
    for (uint32_t i = 0; i < 256; ++i) {
      uint32_t c = i;
      for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      table[i] = c;
    }
    ready = true;
  }
  crc = ~crc;
  for (size_t i = 0; i < n; ++i) crc = table[(crc ^ data[i]) & 255] ^ (crc >> 8);
  return ~crc;
}

uint32_t adler32(const Bytes& data) {
  uint32_t a = 1, b = 0;
  for (uint8_t v : data) {
    a = (a + v) % 65521;
    b = (b + a) % 65521;
  }
  return (b << 16) | a;
}

class BitWriter {
 public:
  explicit BitWriter(Bytes& out) : out(out) {}
  void bits(uint32_t value, int count) {  // least significant bit first
    for (int i = 0; i < count; ++i) {
      acc |= ((value >> i) & 1) << fill;
      if (++fill == 8) flush();
    }
  }
  void code(uint32_t value, int count) {  // Huffman codes go most significant bit first
    for (int i = count - 1; i >= 0; --i) bits((value >> i) & 1, 1);
  }
  void finish() {
    if (fill) flush();
  }

 private:
  void flush() {
    out.push_back(uint8_t(acc));
    acc = 0;
    fill = 0;
  }
  Bytes& out;
  uint32_t acc = 0;
  int fill = 0;
};

void literalOrLength(BitWriter& w, int symbol) {
  if (symbol < 144)
    w.code(0x30 + symbol, 8);
  else if (symbol < 256)
    w.code(0x190 + symbol - 144, 9);
  else if (symbol < 280)
    w.code(symbol - 256, 7);
  else
    w.code(0xC0 + symbol - 280, 8);
}

// A run of `length` (3..258) copies of the byte before it: distance 1.
void repeat(BitWriter& w, int length) {
  static const int base[] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                             31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
  static const int extra[] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                              2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
  int i = 28;
  while (base[i] > length) --i;
  literalOrLength(w, 257 + i);
  w.bits(length - base[i], extra[i]);
  w.code(0, 5);  // distance code 0: distance 1
}

Bytes deflateFixed(const Bytes& data) {
  Bytes out = {0x78, 0x01};
  BitWriter w(out);
  w.bits(1, 1);  // the only block
  w.bits(1, 2);  // fixed Huffman codes
  const int kMaxRun = 258;
  for (size_t i = 0; i < data.size();) {
    size_t run = 0;
    if (i > 0)
      while (i + run < data.size() && run < kMaxRun && data[i + run] == data[i - 1]) ++run;
    if (run >= 3) {
      repeat(w, int(run));
      i += run;
    } else {
      literalOrLength(w, data[i++]);
    }
  }
  literalOrLength(w, 256);
  w.finish();
  uint32_t a = adler32(data);
  for (int s = 24; s >= 0; s -= 8) out.push_back(uint8_t(a >> s));
  return out;
}

// Rows of straight (not premultiplied) RGBA, each behind its filter byte.
Bytes filteredRows(cairo_surface_t* canvas) {
  int w = cairo_image_surface_get_width(canvas), h = cairo_image_surface_get_height(canvas);
  int stride = cairo_image_surface_get_stride(canvas);
  const uint8_t* src = cairo_image_surface_get_data(canvas);
  Bytes prev(size_t(w) * 4, 0), row(size_t(w) * 4), out;
  out.reserve(size_t(h) * (w * 4 + 1));
  for (int y = 0; y < h; ++y) {
    auto* p = reinterpret_cast<const uint32_t*>(src + y * stride);
    for (int x = 0; x < w; ++x) {
      uint32_t v = p[x], a = v >> 24;
      uint32_t r = (v >> 16) & 255, g = (v >> 8) & 255, b = v & 255;
      if (a > 0 && a < 255) {
        r = (r * 255 + a / 2) / a;
        g = (g * 255 + a / 2) / a;
        b = (b * 255 + a / 2) / a;
      }
      uint8_t* q = &row[size_t(x) * 4];
      q[0] = uint8_t(r);
      q[1] = uint8_t(g);
      q[2] = uint8_t(b);
      q[3] = uint8_t(a);
    }
    Bytes sub(row.size()), up(row.size());
    long subCost = 0, upCost = 0;
    for (size_t i = 0; i < row.size(); ++i) {
      sub[i] = uint8_t(row[i] - (i >= 4 ? row[i - 4] : 0));
      up[i] = uint8_t(row[i] - prev[i]);
      subCost += sub[i] < 128 ? sub[i] : 256 - sub[i];
      upCost += up[i] < 128 ? up[i] : 256 - up[i];
    }
    bool useUp = upCost < subCost;
    out.push_back(useUp ? 2 : 1);
    const Bytes& chosen = useUp ? up : sub;
    out.insert(out.end(), chosen.begin(), chosen.end());
    prev.swap(row);
  }
  return out;
}

void chunk(Bytes& png, const char* type, const Bytes& body) {
  for (int s = 24; s >= 0; s -= 8) png.push_back(uint8_t(body.size() >> s));
  size_t start = png.size();
  png.insert(png.end(), type, type + 4);
  png.insert(png.end(), body.begin(), body.end());
  uint32_t crc = crc32(&png[start], png.size() - start);
  for (int s = 24; s >= 0; s -= 8) png.push_back(uint8_t(crc >> s));
}

}  // namespace

void writeRgbaPng(cairo_surface_t* canvas, const std::string& path) {
  cairo_surface_flush(canvas);
  uint32_t w = cairo_image_surface_get_width(canvas), h = cairo_image_surface_get_height(canvas);
  Bytes header;
  for (uint32_t v : {w, h})
    for (int s = 24; s >= 0; s -= 8) header.push_back(uint8_t(v >> s));
  header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, filtered, not interlaced
  Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  chunk(png, "IHDR", header);
  chunk(png, "IDAT", deflateFixed(filteredRows(canvas)));
  chunk(png, "IEND", {});
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f || std::fwrite(png.data(), 1, png.size(), f) != png.size()) {
    std::fprintf(stderr, "thornwald-gen: cannot write %s\n", path.c_str());
    std::exit(1);
  }
  std::fclose(f);
}
