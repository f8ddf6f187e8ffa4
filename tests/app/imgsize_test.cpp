// Picture sizes from file headers: real pictures written by Qt, hand-made headers, and every
// truncation of them.
#include "ImgSize.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageWriter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>

namespace {

class ImgSizeTest : public ::testing::Test {
 protected:
  QTemporaryDir Dir;

  std::string Write(const std::string& name, const QByteArray& bytes) {
    const std::string path = Dir.filePath(QString::fromStdString(name)).toStdString();
    std::ofstream(path, std::ios::binary).write(bytes.constData(), bytes.size());
    return path;
  }

  static QByteArray Encode(int w, int h, const char* format, bool progressive = false) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    EXPECT_TRUE(writer.write(image)) << writer.errorString().toStdString();
    return bytes;
  }

  // An APPn segment of the given body length, put right after SOI.
  static QByteArray WithAppSegment(QByteArray jpeg, uint8_t app, int bodyLength, char fill) {
    QByteArray seg;
    seg += char(0xFF);
    seg += char(app);
    seg += char((bodyLength + 2) >> 8);
    seg += char((bodyLength + 2) & 0xFF);
    seg += QByteArray(bodyLength, fill);
    return jpeg.insert(2, seg);
  }

  static std::pair<uint32_t, uint32_t> Size(const std::string& path) {
    uint32_t w = 7, h = 7;
    EXPECT_TRUE(ReadImageSize(path, w, h));
    return {w, h};
  }
};

QByteArray Bytes(std::initializer_list<int> list) {
  QByteArray b;
  for (int v : list) b += char(v);
  return b;
}

// A hand-made JPEG: SOI, the given segments, a frame header with marker `sof`.
QByteArray JpegHeader(int sof, int w, int h, const QByteArray& before = {}) {
  return Bytes({0xFF, 0xD8}) + before +
         Bytes({0xFF, sof, 0x00, 0x11, 0x08, h >> 8, h & 0xFF, w >> 8, w & 0xFF, 0x03}) +
         QByteArray(15, '\x01');
}

QByteArray PngHeader(uint32_t w, uint32_t h) {
  QByteArray b = Bytes({0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13, 'I', 'H', 'D', 'R'});
  for (uint32_t v : {w, h})
    b += Bytes({int(v >> 24), int(v >> 16 & 0xFF), int(v >> 8 & 0xFF), int(v & 0xFF)});
  return b + Bytes({8, 2, 0, 0, 0, 0, 0, 0, 0});
}

// GIF: header with a logical screen of 1 x 1, optional global colour table, then `blocks`.
QByteArray Gif(bool colourTable, const QByteArray& blocks) {
  QByteArray b = QByteArray("GIF89a") + Bytes({1, 0, 1, 0, colourTable ? 0x81 : 0x00, 0, 0});
  if (colourTable) b += QByteArray(12, '\x2C');  // 4 entries; the bytes look like separators
  return b + blocks;
}

QByteArray GifImage(int w, int h) {
  return Bytes({0x2C, 0, 0, 0, 0, w & 0xFF, w >> 8, h & 0xFF, h >> 8, 0, 2, 2, 0x4C, 0x01, 0, 0x3B});
}

TEST_F(ImgSizeTest, PicturesWrittenByQt) {
  EXPECT_EQ(Size(Write("a.jpg", Encode(640, 480, "jpeg"))), std::pair(640u, 480u));
  EXPECT_EQ(Size(Write("p.jpg", Encode(321, 123, "jpeg", true))), std::pair(321u, 123u));
  EXPECT_EQ(Size(Write("a.png", Encode(77, 5, "png"))), std::pair(77u, 5u));
}

TEST_F(ImgSizeTest, JpegSegmentsBeforeTheFrame) {
  QByteArray jpeg = Encode(300, 200, "jpeg");
  // APP1 holding FF C0 look-alikes, then an APP2 longer than 255 bytes.
  jpeg = WithAppSegment(jpeg, 0xE2, 700, '\x20');
  jpeg = WithAppSegment(jpeg, 0xE1, 10, '\xC0');
  EXPECT_EQ(Size(Write("app.jpg", jpeg)), std::pair(300u, 200u));
  jpeg = WithAppSegment(Encode(300, 200, "jpeg", true), 0xE1, 40, '\xFF');
  EXPECT_EQ(Size(Write("app-progressive.jpg", jpeg)), std::pair(300u, 200u));
}

TEST_F(ImgSizeTest, JpegFrameMarkers) {
  struct {
    int Marker;
    bool Frame;
  } cases[] = {{0xC0, true},  {0xC1, true},  {0xC2, true},  {0xC3, true},  {0xC5, true},
               {0xC7, true},  {0xC9, true},  {0xCB, true},  {0xCD, true},  {0xCF, true},
               {0xC4, false}, {0xC8, false}, {0xCC, false}, {0xE0, false}, {0xFE, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Marker);
    const auto size = Size(Write("m.jpg", JpegHeader(c.Marker, 70000 & 0xFFFF, 513)));
    EXPECT_EQ(size, c.Frame ? std::pair(uint32_t(70000 & 0xFFFF), 513u) : std::pair(0u, 0u));
  }
  // DHT and fill bytes before the frame, a restart marker standing alone.
  const QByteArray before = Bytes({0xFF, 0xC4, 0x00, 0x04, 0xC0, 0xC0, 0xFF, 0xFF, 0xFF, 0xD0});
  EXPECT_EQ(Size(Write("dht.jpg", JpegHeader(0xC0, 16, 9, before))), std::pair(16u, 9u));
}

TEST_F(ImgSizeTest, PngSizesAreNotCut) {
  EXPECT_EQ(Size(Write("wide.png", PngHeader(70000, 3))), std::pair(70000u, 3u));
  EXPECT_EQ(Size(Write("tall.png", PngHeader(1, 0x01020304))), std::pair(1u, 0x01020304u));
}

TEST_F(ImgSizeTest, GifBlocksAreWalked) {
  // Graphic control and comment extensions holding 0x2C bytes, before the image descriptor.
  const QByteArray extensions = Bytes({0x21, 0xF9, 4, 0x2C, 0x2C, 0x2C, 0x2C, 0}) +
                                Bytes({0x21, 0xFE, 3, ',', ',', ',', 2, ',', ',', 0});
  struct {
    const char* Name;
    QByteArray Bytes;
    std::pair<uint32_t, uint32_t> Size;
  } cases[] = {
      {"plain", Gif(false, GifImage(20, 10)), {20, 10}},
      {"colour table", Gif(true, GifImage(300, 2)), {300, 2}},
      {"extensions", Gif(false, extensions + GifImage(513, 260)), {513, 260}},
      {"table and extensions", Gif(true, extensions + GifImage(1, 65535)), {1, 65535}},
      {"no image", Gif(true, Bytes({0x3B, 0x2C, 9, 9, 9, 9, 9, 9, 9, 9, 9})), {0, 0}},
      {"garbage block", Gif(false, Bytes({0x77}) + GifImage(5, 5)), {0, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    EXPECT_EQ(Size(Write("x.gif", c.Bytes)), c.Size);
  }
}

// The reader follows the signature, not the name.
TEST_F(ImgSizeTest, ReaderChosenBySignature) {
  EXPECT_EQ(Size(Write("PHOTO.JPG", Encode(12, 34, "jpeg"))), std::pair(12u, 34u));
  EXPECT_EQ(Size(Write("image.gif", Encode(8, 9, "png"))), std::pair(8u, 9u));
  EXPECT_EQ(Size(Write("pic", Gif(false, GifImage(3, 4)))), std::pair(3u, 4u));
  EXPECT_EQ(Size(Write("notes.png", "just text")), std::pair(0u, 0u));
  EXPECT_EQ(Size(Write("empty.jpg", {})), std::pair(0u, 0u));
}

// Every truncation of a valid file gives 0 by 0 or the true size, never anything else.
TEST_F(ImgSizeTest, TruncatedHeaders) {
  const QByteArray jpeg = WithAppSegment(Encode(40, 30, "jpeg"), 0xE1, 20, 'x');
  struct {
    const char* Name;
    QByteArray Bytes;
    std::pair<uint32_t, uint32_t> Size;
  } files[] = {
      {"jpeg", jpeg.left(400), {40, 30}},
      {"png", PngHeader(640, 480), {640, 480}},
      {"gif", Gif(true, Bytes({0x21, 0xFE, 2, ',', ',', 0}) + GifImage(6, 7)), {6, 7}},
  };
  for (const auto& f : files) {
    for (int n = 0; n <= f.Bytes.size(); ++n) {
      SCOPED_TRACE(std::string(f.Name) + " cut at " + std::to_string(n));
      const auto size = Size(Write("cut", f.Bytes.left(n)));
      EXPECT_TRUE(size == std::pair(0u, 0u) || size == f.Size);
      if (n == f.Bytes.size()) {
        EXPECT_EQ(size, f.Size);
      }
    }
  }
}

TEST_F(ImgSizeTest, CorruptJpegLengths) {
  // Segment lengths 0 and 1 would step backwards.
  for (int len : {0, 1}) {
    const QByteArray bytes = Bytes({0xFF, 0xD8, 0xFF, 0xE0, 0x00, len, 0xFF, 0xE0, 0x00, len});
    EXPECT_EQ(Size(Write("bad.jpg", bytes)), std::pair(0u, 0u));
  }
}

TEST_F(ImgSizeTest, MissingFile) {
  uint32_t w = 5, h = 5;
  const std::string missing = Dir.filePath("missing.jpg").toStdString();
  EXPECT_FALSE(ReadImageSize(missing, w, h));
  EXPECT_FALSE(ReadJpegSize(missing, w, h));
  EXPECT_FALSE(ReadPngSize(missing, w, h));
  EXPECT_FALSE(ReadGifSize(missing, w, h));
}

}  // namespace
