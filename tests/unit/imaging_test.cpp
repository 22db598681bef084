#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "imaging/file_bytes.h"
#include "imaging/image.h"
#include "imaging/jpeg_codec.h"
#include "imaging/png_decode.h"
#include "util/text.h"

namespace quellon::imaging {
namespace {

std::wstring SourceFile(const std::wstring& relative) {
#ifdef _WIN32
  return std::wstring(QUELLON_SOURCE_DIR_W) + L"\\" + relative;
#else
  return Utf8ToWide(QUELLON_SOURCE_DIR) + L"/" + relative;
#endif
}

std::vector<uint8_t> ReadSource(const std::wstring& relative) {
  auto bytes = ReadWholeFile(SourceFile(relative));
  EXPECT_TRUE(bytes.ok()) << WideToUtf8(bytes.error().message);
  return bytes ? bytes.value() : std::vector<uint8_t>();
}

// The reason of a failed result, for assertion messages.
template <typename T>
std::string Why(const Result<T>& r) {
  return r.ok() ? std::string() : WideToUtf8(r.error().message);
}

// A file name in the system's temporary folder, removed afterwards.
class TempFile {
 public:
  explicit TempFile(const std::wstring& name)
      : path_(std::filesystem::temp_directory_path() /
              (L"quellon-imaging-" + std::to_wstring(std::random_device{}()) + L"-" + name)) {}
  ~TempFile() {
    std::error_code ec;
    std::filesystem::remove(path_, ec);
  }
  std::wstring Path() const { return path_.wstring(); }

 private:
  std::filesystem::path path_;
};

// --- PNG ---------------------------------------------------------------

struct StarCase {
  const wchar_t* file;
  int width, height;
  bool (*colourFamily)(const uint8_t* rgba);
};

bool IsDark(const uint8_t* p) { return p[0] < 90 && p[1] < 90 && p[2] < 90; }
bool IsYellow(const uint8_t* p) { return p[0] > 200 && p[1] > 150 && p[2] < 100; }

TEST(PngDecodeTest, MenuStarsDecodeWithTransparentCornersAndOpaqueCentre) {
  const StarCase cases[] = {
      {L"resources/xmenu1.png", 15, 15, IsDark},
      {L"resources/xmenu2.png", 15, 14, IsYellow},
  };
  for (const StarCase& c : cases) {
    SCOPED_TRACE(WideToUtf8(c.file));
    auto decoded = DecodePng(ReadSource(c.file));
    ASSERT_TRUE(decoded) << Why(decoded);
    const RgbaImage& image = decoded.value();
    ASSERT_EQ(image.width, c.width);
    ASSERT_EQ(image.height, c.height);
    ASSERT_EQ(image.pixels.size(), static_cast<size_t>(c.width * c.height * 4));
    const int w = c.width - 1, h = c.height - 1;
    for (auto [x, y] : {std::pair{0, 0}, {w, 0}, {0, h}, {w, h}}) {
      EXPECT_EQ(image.At(x, y)[3], 0) << "corner " << x << "," << y;
    }
    const uint8_t* centre = image.At(c.width / 2, c.height / 2);
    EXPECT_EQ(centre[3], 255);
    EXPECT_TRUE(c.colourFamily(centre)) << int(centre[0]) << "," << int(centre[1]) << "," << int(centre[2]);
  }
}

uint32_t Crc32(const uint8_t* p, size_t n) {
  uint32_t c = 0xFFFFFFFFu;
  for (size_t i = 0; i < n; ++i) {
    c ^= p[i];
    for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
  }
  return ~c;
}

void PutBe32(std::vector<uint8_t>& v, uint32_t x) {
  for (int s = 24; s >= 0; s -= 8) v.push_back(static_cast<uint8_t>(x >> s));
}

// A PNG signature and a valid IHDR claiming the given size, then nothing.
std::vector<uint8_t> PngHeaderOnly(uint32_t width, uint32_t height) {
  std::vector<uint8_t> v = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<uint8_t> chunk = {'I', 'H', 'D', 'R'};
  PutBe32(chunk, width);
  PutBe32(chunk, height);
  chunk.insert(chunk.end(), {8, 6, 0, 0, 0});  // 8-bit RGBA
  PutBe32(v, 13);
  v.insert(v.end(), chunk.begin(), chunk.end());
  PutBe32(v, Crc32(chunk.data(), chunk.size()));
  return v;
}

TEST(PngDecodeTest, DamagedDataGivesAnErrorNotACrash) {
  const std::vector<uint8_t> star = ReadSource(L"resources/xmenu1.png");
  ASSERT_GT(star.size(), 100u);
  std::vector<uint8_t> flipped = star;
  flipped[flipped.size() / 2] ^= 0x5A;  // inside the compressed pixels: CRC and zlib fail
  struct Case {
    const char* what;
    std::vector<uint8_t> bytes;
  };
  const Case cases[] = {
      {"empty", {}},
      {"text", {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd'}},
      {"signature only", {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}},
      {"cut in half", std::vector<uint8_t>(star.begin(), star.begin() + static_cast<long>(star.size() / 2))},
      {"flipped byte", flipped},
      {"header without pixels", PngHeaderOnly(15, 15)},
      {"claims 100000 x 100000 pixels", PngHeaderOnly(100000, 100000)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto decoded = DecodePng(c.bytes);
    ASSERT_FALSE(decoded.ok());
    const std::wstring& error = decoded.error().message;
    EXPECT_EQ(error.rfind(L"PNG: ", 0), 0u) << WideToUtf8(error);
    EXPECT_GT(error.size(), 5u);
    EXPECT_EQ(decoded.error().kind, ErrorKind::BadData);
  }
}

TEST(PngDecodeTest, PremultipliedAlphaScalesColourByOpacity) {
  RgbaImage image{3, 1, {200, 100, 50, 255, 200, 100, 50, 128, 200, 100, 50, 0}};
  const RgbaImage pre = PremultiplyAlpha(image);
  EXPECT_EQ(pre.pixels, (std::vector<uint8_t>{200, 100, 50, 255, 100, 50, 25, 128, 0, 0, 0, 0}));
}

// --- JPEG --------------------------------------------------------------

// Smooth gradients with a few flat colour blocks: photographic enough that
// quality 90 keeps every pixel close.
RgbImage TestPicture(int w, int h) {
  RgbImage img{w, h, std::vector<uint8_t>(static_cast<size_t>(w) * h * 3)};
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      uint8_t* p = &img.pixels[(static_cast<size_t>(y) * w + x) * 3];
      p[0] = static_cast<uint8_t>(x * 255 / (w - 1));
      p[1] = static_cast<uint8_t>(y * 255 / (h - 1));
      p[2] = static_cast<uint8_t>(128 + (x - y) / 4);
      if (x >= w / 2 && y >= h / 2) p[0] = 30, p[1] = 160, p[2] = 220;
    }
  }
  return img;
}

// The payload of the first marker ff (after its length), or empty.
std::vector<uint8_t> Segment(const std::vector<uint8_t>& jpeg, uint8_t marker) {
  size_t i = 2;
  while (i + 4 <= jpeg.size() && jpeg[i] == 0xFF) {
    const uint8_t m = jpeg[i + 1];
    const size_t len = static_cast<size_t>(jpeg[i + 2]) << 8 | jpeg[i + 3];
    if (m == marker) return std::vector<uint8_t>(jpeg.begin() + static_cast<long>(i + 4),
                                                 jpeg.begin() + static_cast<long>(std::min(jpeg.size(), i + 2 + len)));
    if (m == 0xDA) break;  // start of scan: no more headers
    i += 2 + len;
  }
  return {};
}

TEST(JpegTest, EncodesBaselineColourQuality90ThatDecodesClose) {
  const RgbImage picture = TestPicture(64, 48);
  auto encoded = EncodeJpeg(picture, kScreenshotJpegQuality);
  ASSERT_TRUE(encoded) << Why(encoded);
  const std::vector<uint8_t>& jpeg = encoded.value();
  ASSERT_GT(jpeg.size(), 200u);
  EXPECT_EQ(jpeg[0], 0xFF);
  EXPECT_EQ(jpeg[1], 0xD8);
  EXPECT_EQ(jpeg[jpeg.size() - 2], 0xFF);
  EXPECT_EQ(jpeg[jpeg.size() - 1], 0xD9);

  const std::vector<uint8_t> sof0 = Segment(jpeg, 0xC0);
  ASSERT_GE(sof0.size(), 6u) << "baseline frame header";
  EXPECT_TRUE(Segment(jpeg, 0xC2).empty()) << "progressive frame header";
  EXPECT_EQ(sof0[0], 8);  // sample precision
  EXPECT_EQ(sof0[1] << 8 | sof0[2], 48);
  EXPECT_EQ(sof0[3] << 8 | sof0[4], 64);
  EXPECT_EQ(sof0[5], 3) << "colour, not grey";
  // Quality 90 scales the standard luminance table by 20%: its DC entry 16
  // becomes 3.
  const std::vector<uint8_t> dqt = Segment(jpeg, 0xDB);
  ASSERT_GE(dqt.size(), 2u);
  EXPECT_EQ(dqt[0], 0);  // 8-bit table 0
  EXPECT_EQ(dqt[1], 3);

  auto back = DecodeJpeg(jpeg);
  ASSERT_TRUE(back) << Why(back);
  ASSERT_EQ(back.value().width, 64);
  ASSERT_EQ(back.value().height, 48);
  double total = 0;
  int worst = 0;
  for (size_t i = 0; i < picture.pixels.size(); ++i) {
    const int d = std::abs(int(picture.pixels[i]) - int(back.value().pixels[i]));
    total += d;
    worst = std::max(worst, d);
  }
  // Close on average (quality 75 already averages above 2 here); chroma is
  // stored at half resolution, so the sharp edges of the colour block differ
  // most.
  EXPECT_LT(total / picture.pixels.size(), 2.0);
  EXPECT_LT(worst, 64);
}

TEST(JpegTest, UnusablePicturesAreRefused) {
  struct Case {
    const char* what;
    RgbImage image;
    int quality;
  };
  const Case cases[] = {
      {"empty", {}, 90},
      {"pixels missing", {4, 4, std::vector<uint8_t>(4 * 4 * 3 - 1)}, 90},
      {"negative size", {-4, 4, {}}, 90},
      {"wider than JPEG allows", {70000, 1, std::vector<uint8_t>(70000 * 3)}, 90},
      {"quality 0", TestPicture(8, 8), 0},
      {"quality 101", TestPicture(8, 8), 101},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto encoded = EncodeJpeg(c.image, c.quality);
    ASSERT_FALSE(encoded.ok());
    EXPECT_EQ(encoded.error().message.rfind(L"JPEG: ", 0), 0u) << Why(encoded);
    EXPECT_EQ(encoded.error().kind, ErrorKind::BadData);
  }
}

TEST(JpegTest, DamagedDataGivesAnErrorNotACrash) {
  const std::vector<uint8_t> good = EncodeJpeg(TestPicture(32, 32)).value();
  std::vector<uint8_t> badHeader = good;
  badHeader[3] = 0x00;  // first marker no longer a marker
  struct Case {
    const char* what;
    std::vector<uint8_t> bytes;
  };
  const Case cases[] = {
      {"empty", {}},
      {"text", {'n', 'o', 't', ' ', 'a', ' ', 'j', 'p', 'e', 'g'}},
      {"start marker only", {0xFF, 0xD8}},
      {"cut before the pixels", std::vector<uint8_t>(good.begin(), good.begin() + 100)},
      {"cut in the pixels", std::vector<uint8_t>(good.begin(), good.end() - good.size() / 3)},
      {"broken first marker", badHeader},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto decoded = DecodeJpeg(c.bytes);
    ASSERT_FALSE(decoded.ok());
    const std::wstring& error = decoded.error().message;
    EXPECT_EQ(error.rfind(L"JPEG: ", 0), 0u) << WideToUtf8(error);
    EXPECT_GT(error.size(), 6u);
    EXPECT_EQ(decoded.error().kind, ErrorKind::BadData);
  }
}

TEST(JpegFileTest, WritesAFileThatReadsBack) {
  TempFile file(L"shot.jpg");
  Status written = WriteJpegFile(TestPicture(40, 30), file.Path(), kScreenshotJpegQuality);
  ASSERT_TRUE(written) << WideToUtf8(written.error().message);
  auto bytes = ReadWholeFile(file.Path());
  ASSERT_TRUE(bytes) << Why(bytes);
  auto back = DecodeJpeg(bytes.value());
  ASSERT_TRUE(back) << Why(back);
  EXPECT_EQ(back.value().width, 40);
  EXPECT_EQ(back.value().height, 30);
}

TEST(JpegFileTest, FailuresLeaveNoFileAndKeepAnExistingOne) {
  // A folder that does not exist: the call and the system's reason.
  TempFile missing(L"no-such-folder");
  const std::wstring inMissing = (std::filesystem::path(missing.Path()) / L"shot.jpg").wstring();
  Status refused = WriteJpegFile(TestPicture(8, 8), inMissing, kScreenshotJpegQuality);
  ASSERT_FALSE(refused.ok());
  EXPECT_EQ(refused.error().kind, ErrorKind::NotFound) << WideToUtf8(refused.error().message);
  EXPECT_NE(refused.error().message.find(L" failed: "), std::wstring::npos);
  EXPECT_FALSE(std::filesystem::exists(inMissing));
  EXPECT_FALSE(ReadWholeFile(inMissing).ok());

  // A picture that cannot be encoded leaves the old file as it was.
  TempFile existing(L"old.jpg");
  const std::vector<uint8_t> old = {'o', 'l', 'd'};
  ASSERT_TRUE(WriteWholeFile(existing.Path(), old).ok());
  Status unencodable = WriteJpegFile(RgbImage{}, existing.Path(), kScreenshotJpegQuality);
  ASSERT_FALSE(unencodable.ok());
  EXPECT_EQ(unencodable.error().message.rfind(L"JPEG: ", 0), 0u);
  auto still = ReadWholeFile(existing.Path());
  ASSERT_TRUE(still.ok());
  EXPECT_EQ(still.value(), old);
}

}  // namespace
}  // namespace quellon::imaging
