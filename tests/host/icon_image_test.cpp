// An icon group's images: their shapes, their pixels, the tip's lines and the names of their
// PNG files.
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "extract/group_images.h"
#include "formats/dib_v5.h"
#include "formats/icon_image.h"
#include "tests/common/icon_bytes.h"
#include "tests/host/fake_platform.h"

namespace morvane {
namespace {

using testing::AppendLE;

// A DIB as an icon holds it, from top-down rows: `values` are palette indices for 1, 4 and 8
// bits, else pixels 0xAARRGGBB; `mask` holds 1 for a transparent pixel. Rows are padded to 4
// bytes and stored bottom-up.
struct DibSpec {
  int width, height, bits;
  std::vector<std::uint32_t> palette;  // 0x00RRGGBB
  std::vector<std::uint32_t> values;
  std::vector<int> mask;
};

Bytes Dib(const DibSpec& spec) {
  Bytes out;
  AppendLE(out, 40, 4);
  AppendLE(out, static_cast<std::uint32_t>(spec.width), 4);
  AppendLE(out, static_cast<std::uint32_t>(spec.height * 2), 4);
  AppendLE(out, 1, 2);
  AppendLE(out, static_cast<std::uint32_t>(spec.bits), 2);
  for (int i = 0; i < 4; ++i) AppendLE(out, 0, 4);  // compression, size, resolution
  AppendLE(out, static_cast<std::uint32_t>(spec.palette.size()), 4);  // colours used
  AppendLE(out, 0, 4);
  for (std::uint32_t colour : spec.palette) AppendLE(out, colour, 4);
  const auto pad = [&out](std::size_t rowStart) {
    while ((out.size() - rowStart) % 4) out.push_back(0);
  };
  for (int y = spec.height - 1; y >= 0; --y) {
    const std::size_t start = out.size();
    std::uint32_t bitsIn = 0, acc = 0;
    for (int x = 0; x < spec.width; ++x) {
      const std::uint32_t value = spec.values[static_cast<std::size_t>(y * spec.width + x)];
      if (spec.bits >= 24) {
        AppendLE(out, value, spec.bits / 8);
        continue;
      }
      acc = acc << spec.bits | value;
      bitsIn += static_cast<std::uint32_t>(spec.bits);
      if (bitsIn == 8) out.push_back(static_cast<std::uint8_t>(acc)), bitsIn = acc = 0;
    }
    if (bitsIn) out.push_back(static_cast<std::uint8_t>(acc << (8 - bitsIn)));
    pad(start);
  }
  for (int y = spec.height - 1; y >= 0; --y) {
    const std::size_t start = out.size();
    for (int x = 0; x < spec.width; x += 8) {
      std::uint8_t byte = 0;
      for (int b = 0; b < 8 && x + b < spec.width; ++b) {
        if (spec.mask[static_cast<std::size_t>(y * spec.width + x + b)]) byte |= 0x80 >> b;
      }
      out.push_back(byte);
    }
    pad(start);
  }
  return out;
}

// Pixels as 0xAARRGGBB, top-down, from the decoder's BGRA bytes.
std::vector<std::uint32_t> Argb(const BgraImage& image) {
  std::vector<std::uint32_t> pixels;
  for (std::size_t i = 0; i < image.pixels.size(); i += 4)
    pixels.push_back(ReadU32(&image.pixels[i]));
  return pixels;
}

// Every depth, odd widths, masks and alpha: the pixels as Windows draws them, with straight
// alpha, opaque where the mask is clear and transparent (all zero) where it is set.
TEST(DecodeDib, GivesEveryDepthAsStraightAlphaTopDown) {
  const std::vector<std::uint32_t> palette{0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
  const struct {
    const char* what;
    DibSpec spec;
    std::vector<std::uint32_t> pixels;
  } cases[] = {
      {"1 bit, 3 wide",
       {3, 2, 1, {0x000000, 0xFFFFFF}, {1, 0, 1, 0, 1, 0}, {0, 0, 1, 0, 0, 0}},
       {0xFFFFFFFF, 0xFF000000, 0x00000000, 0xFF000000, 0xFFFFFFFF, 0xFF000000}},
      {"4 bits, 5 wide",
       {5, 1, 4, palette, {0, 1, 2, 3, 1}, {0, 0, 0, 0, 1}},
       {0xFF000000, 0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0x00000000}},
      {"8 bits, a palette shorter than the index",
       {2, 1, 8, palette, {3, 200}, {0, 0}},
       {0xFF0000FF, 0xFF000000}},
      {"24 bits",
       {2, 2, 24, {}, {0x123456, 0x654321, 0xABCDEF, 0x000001}, {0, 1, 0, 0}},
       {0xFF123456, 0x00000000, 0xFFABCDEF, 0xFF000001}},
      {"32 bits with alpha: the mask plays no part",
       {2, 1, 32, {}, {0x80102030, 0x00405060}, {1, 0}},
       {0x80102030, 0x00405060}},
      {"32 bits without alpha: the mask gives it",
       {3, 1, 32, {}, {0x00102030, 0x00405060, 0x00708090}, {0, 1, 0}},
       {0xFF102030, 0x00000000, 0xFF708090}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const DecodedDib decoded = DecodeDib(Dib(c.spec));
    ASSERT_TRUE(decoded.image);
    EXPECT_EQ(decoded.image->width, c.spec.width);
    EXPECT_EQ(decoded.image->height, c.spec.height);
    EXPECT_EQ(Argb(*decoded.image), c.pixels);
  }
}

// Hostile images are refused with a reason, and nothing outside them is read (the sanitizers
// watch the reads).
TEST(DecodeDib, RefusesTruncatedAndLyingImages) {
  const Bytes good = Dib(
      {4, 4, 8, {0x112233, 0x445566}, std::vector<std::uint32_t>(16, 1), std::vector<int>(16, 0)});
  ASSERT_TRUE(DecodeDib(good).image);
  const auto with = [&good](std::size_t at, std::uint32_t value) {
    Bytes bad = good;
    PutU32(&bad[at], value);
    return bad;
  };
  const struct {
    const char* what;
    Bytes image;
    DibFailure failure;
  } cases[] = {
      {"no header", Bytes(good.begin(), good.begin() + 39), DibFailure::NoHeader},
      {"a header larger than the image", with(0, 5000), DibFailure::NoHeader},
      {"mask cut short", Bytes(good.begin(), good.end() - 1), DibFailure::Truncated},
      {"a width far past the bytes", with(4, 1000), DibFailure::Truncated},
      {"a width past any icon", with(4, 0x7FFFFFFF), DibFailure::Unsupported},
      {"a negative height", with(8, 0xFFFFFFF8), DibFailure::Unsupported},
      {"compressed", with(16, 1), DibFailure::Unsupported},
      {"more colours than 8 bits hold", with(32, 257), DibFailure::Unsupported},
      {"16 bits",
       [&] {
         Bytes b = good;
         b[14] = 16;
         return b;
       }(),
       DibFailure::Unsupported},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const DecodedDib decoded = DecodeDib(c.image);
    EXPECT_FALSE(decoded.image);
    EXPECT_EQ(decoded.failure, c.failure);
  }
}

TEST(DibV5, HoldsTheMasksAndTheRowsBottomUp) {
  const BgraImage image{2, 2, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}};
  const Bytes dib = DibV5(image);
  ASSERT_EQ(dib.size(), kDibV5HeaderSize + 16);
  EXPECT_EQ(ReadU32(&dib[0]), 124u);
  EXPECT_EQ(ReadU32(&dib[8]), 2u);  // positive: bottom-up
  EXPECT_EQ(ReadU16(&dib[14]), 32u);
  EXPECT_EQ(ReadU32(&dib[16]), 3u);  // BI_BITFIELDS
  EXPECT_EQ(ReadU32(&dib[52]), 0xFF000000u);
  EXPECT_EQ(Bytes(dib.begin() + 124, dib.end()),
            (Bytes{9, 10, 11, 12, 13, 14, 15, 16, 1, 2, 3, 4, 5, 6, 7, 8}));
  // CF_DIB: the same rows behind the plain header, without masks.
  const Bytes plain = Dib(image);
  ASSERT_EQ(plain.size(), kDibHeaderSize + 16);
  EXPECT_EQ(ReadU32(&plain[0]), 40u);
  EXPECT_EQ(ReadU32(&plain[8]), 2u);
  EXPECT_EQ(ReadU16(&plain[14]), 32u);
  EXPECT_EQ(ReadU32(&plain[16]), 0u);  // BI_RGB
  EXPECT_EQ(Bytes(plain.begin() + 40, plain.end()), Bytes(dib.begin() + 124, dib.end()));
}

Bytes Png(std::uint32_t width, std::uint32_t height, std::uint8_t depth, std::uint8_t colour) {
  Bytes png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
  for (std::uint32_t value : {width, height}) {
    for (int shift = 24; shift >= 0; shift -= 8) png.push_back(std::uint8_t(value >> shift));
  }
  png.insert(png.end(), {depth, colour, 0, 0, 0});
  return png;
}

GroupImage Image(Bytes bytes, ImageShape shape) { return {std::move(bytes), shape}; }

// The tip's lines come from each image's own header, the entry where it has none, largest
// first: by area, then by bits, then in the directory's order.
TEST(GroupImages, TheTipListsEveryImageLargestFirst) {
  EXPECT_EQ(ShapeFromHeader(Png(256, 256, 8, 6)), (ImageShape{256, 256, 32, true}));
  EXPECT_EQ(ShapeFromHeader(Png(48, 48, 8, 2)), (ImageShape{48, 48, 24, true}));
  EXPECT_EQ(ShapeFromHeader(
                Dib({3, 2, 4, {0}, std::vector<std::uint32_t>(6, 0), std::vector<int>(6, 0)})),
            (ImageShape{3, 2, 4, false}));
  EXPECT_FALSE(ShapeFromHeader(Bytes{1, 2, 3}));
  const Bytes directory =
      testing::GroupDirectory({{0, 0, 0, 1, 32, 9, 1}, {16, 16, 16, 1, 4, 9, 2}});
  EXPECT_EQ(ShapeFromEntry(directory, 0), (ImageShape{256, 256, 32, false}));
  EXPECT_EQ(ShapeFromEntry(directory, 1), (ImageShape{16, 16, 4, false}));

  const std::vector<GroupImage> images{
      Image({}, {16, 16, 4, false}),   Image({}, {48, 48, 8, false}),
      Image({}, {256, 256, 32, true}), Image({}, {48, 48, 32, false}),
      Image({}, {48, 48, 8, false}),
  };
  EXPECT_EQ(LargestFirst(images), (std::vector<std::size_t>{2, 3, 1, 4, 0}));
  EXPECT_EQ(ImageTip(images),
            L"256 × 256、32 ビット（PNG）\r\n48 × 48、32 ビット\r\n48 × 48、8 ビット\r\n"
            L"48 × 48、8 ビット\r\n16 × 16、4 ビット");
  EXPECT_EQ(PngFileName(L"shell32.dll", 2, images, 0), L"shell32002-16x16.png");
  EXPECT_EQ(PngFileName(L"shell32.dll", 2, images, 1), L"shell32002-48x48-8bit.png");
  EXPECT_EQ(PngFileName(L"pack.icons.dll", 1234, images, 2), L"pack1234-256x256.png");
}

// A loaded module D:\\apps\\tool.exe: group 1 holds a 2 × 2 DIB and a PNG of 48 × 48, group 2
// names an image that is missing.
class IconImagesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto& module = form.sources.modules[L"D:\\apps\\tool.exe"];
    dib = Dib({2, 2, 32, {}, {0xFF010203, 0xFF040506, 0x80070809, 0x00000000}, {0, 0, 0, 1}});
    png = Png(48, 48, 8, 6);
    module.AddGroup({1, {}},
                    testing::GroupDirectory({{2, 2, 0, 1, 32, std::uint32_t(dib.size()), 1},
                                             {48, 48, 0, 1, 32, std::uint32_t(png.size()), 2}}));
    module.AddGroup({2, {}}, testing::GroupDirectory({{16, 16, 16, 1, 4, 40, 3}}));
    module.AddIcon(1, dib);
    module.AddIcon(2, png);
    form.shell.counts[L"D:\\apps\\tool.exe"] = 2;
    window.LoadSource(L"D:\\apps\\tool.exe");
  }

  testing::FakeForm form;
  MainWindow& window = form.window;
  Bytes dib, png;
};

TEST_F(IconImagesTest, TheTipAndTheMenuReadTheGroupOfTheirItem) {
  EXPECT_EQ(window.ListView1_TipText(1), L"48 × 48、32 ビット（PNG）\r\n2 × 2、32 ビット");
  EXPECT_EQ(window.ListView1_TipText(2), L"");  // no usable group: no tip
  EXPECT_EQ(window.ListView1_MenuLines(),
            (std::vector<std::wstring>{L"48 × 48、32 ビット（PNG）", L"2 × 2、32 ビット"}));
  form.list.selected = 2;
  EXPECT_EQ(window.ListView1_MenuLines(), std::vector<std::wstring>{});  // greyed
  form.list.selected.reset();
  EXPECT_FALSE(window.ListView1_MenuLines());  // no menu
  EXPECT_TRUE(form.messages.shown.empty());
}

// The largest image, in three formats: a PNG goes onto the clipboard unchanged.
TEST_F(IconImagesTest, CopyPutsTheLargestImageOnTheClipboardInThreeFormats) {
  window.mnuCopy_Click();
  EXPECT_EQ(form.clipboard.png, png);
  EXPECT_EQ(form.clipboard.dibV5, DibV5(*form.png.Decode(png)));
  EXPECT_EQ(form.clipboard.dib, Dib(*form.png.Decode(png)));
  EXPECT_TRUE(form.messages.shown.empty());
}

TEST_F(IconImagesTest, SaveAsksWhereAndWritesThatOneImage) {
  form.fileDialog.chosen = L"E:\\pictures\\small.png";
  window.mnuSavePng_Click(1);  // the second line: the DIB
  ASSERT_EQ(form.fileDialog.saveRequests.size(), 1u);
  const SaveRequest& asked = form.fileDialog.saveRequests[0];
  EXPECT_EQ(asked.title, L"PNG で保存");
  EXPECT_EQ(asked.filterText, L"PNG 画像 (*.png)");
  EXPECT_EQ(asked.filterPattern, L"*.png");
  EXPECT_EQ(asked.defaultExtension, L"png");
  EXPECT_EQ(asked.folder, L"C:\\Tools\\");  // the field is empty: the program's folder
  EXPECT_EQ(asked.fileName, L"tool001-2x2.png");
  EXPECT_EQ(form.files.files[L"E:\\pictures\\small.png"], *form.png.Encode(*DecodeDib(dib).image));

  form.destinationField.text = L"out";
  form.fileDialog.chosen = L"E:\\pictures\\large.png";
  window.mnuSavePng_Click(0);  // the PNG, as it is stored
  EXPECT_EQ(form.fileDialog.saveRequests.back().folder, L"C:\\Tools\\out\\");
  EXPECT_EQ(form.files.files[L"E:\\pictures\\large.png"], png);
  EXPECT_TRUE(form.messages.shown.empty());
}

TEST_F(IconImagesTest, AFailedSaveSaysWhyAndLeavesNoFile) {
  form.fileDialog.chosen = L"E:\\pictures\\small.png";
  form.png.missing = true;
  window.mnuSavePng_Click(1);
  form.png.missing = false;
  form.files.failingPath = L"E:\\pictures\\small.png";
  window.mnuSavePng_Click(1);
  EXPECT_EQ(form.files.files.count(L"E:\\pictures\\small.png"), 0u);
  ASSERT_EQ(form.messages.shown.size(), 2u);
  EXPECT_EQ(form.messages.shown[0], (Message{L"PNG を書き込めません。", L"  ゴメン ？！・・・"}));
  EXPECT_EQ(form.messages.shown[1].text,
            L"ファイルを書き込めません。\nE:\\pictures\\small.png\n書き込みが許可されていません。");
  form.fileDialog.chosen.reset();  // cancelled: nothing more
  window.mnuSavePng_Click(1);
  EXPECT_EQ(form.messages.shown.size(), 2u);
}

}  // namespace
}  // namespace morvane
