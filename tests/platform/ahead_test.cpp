// The start's work ahead: its steps run in order on a thread of their own, a step that fails
// does not stop the others, and releasing it waits for all of them; the pictures decoded ahead
// are the pictures a window would read itself, and none outlives the start.
#include "platform/ahead.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPainter>
#include <chrono>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <vector>

#include "qt_app.h"
#include "temp_dir.h"

namespace {

TEST(AheadTest, StepsRunInOrderOnAnotherThreadAndTheReleaseWaitsForThem) {
  std::mutex mutex;
  std::vector<int> ran;
  std::vector<std::thread::id> threads;
  const auto step = [&](int number, bool slow) {
    return [&, number, slow] {
      // A slow first step: a release that did not wait would find the list short.
      if (slow) std::this_thread::sleep_for(std::chrono::milliseconds(50));
      const std::lock_guard<std::mutex> lock(mutex);
      ran.push_back(number);
      threads.push_back(std::this_thread::get_id());
    };
  };
  {
    platform::Ahead ahead({step(1, true), [] { throw std::runtime_error("no such library"); },
                           step(2, false), step(3, false)});
  }
  EXPECT_EQ(ran, (std::vector<int>{1, 2, 3}));
  ASSERT_EQ(threads.size(), 3u);
  for (const std::thread::id& id : threads) EXPECT_NE(id, std::this_thread::get_id());
}

// A picture of each kind the start decodes (a palette bitmap, a photograph, a drawing with
// transparent parts), as files.
struct PictureFiles {
  TempDir dir;
  QString bitmap, photograph, drawing;

  PictureFiles() {
    QImage colours(44, 29, QImage::Format_RGB32);
    for (int y = 0; y < colours.height(); ++y)
      for (int x = 0; x < colours.width(); ++x)
        colours.setPixel(x, y, qRgb(x * 5, y * 8, (x + y) * 3));
    bitmap = QString::fromStdString(dir.File("schemat.bmp"));
    photograph = QString::fromStdString(dir.File("powitanie.jpg"));
    drawing = QString::fromStdString(dir.File("ikona.png"));
    EXPECT_TRUE(colours.convertToFormat(QImage::Format_Indexed8).save(bitmap));
    EXPECT_TRUE(colours.save(photograph, "JPG", 80));
    QImage transparent(24, 24, QImage::Format_ARGB32);
    transparent.fill(Qt::transparent);
    QPainter(&transparent).fillRect(4, 4, 12, 12, QColor(200, 30, 30, 128));
    EXPECT_TRUE(transparent.save(drawing));
  }
};

TEST(PicturesAheadTest, APictureDecodedAheadIsThePictureTheWindowWouldRead) {
  EnsureApplication();
  PictureFiles files;
  const QString missing = QString::fromStdString(files.dir.File("brak.bmp"));
  platform::PicturesAhead ahead({files.bitmap, files.photograph, files.drawing, missing});
  for (const QString& path : {files.bitmap, files.photograph, files.drawing}) {
    SCOPED_TRACE(path.toStdString());
    const QPixmap taken = platform::PicturesAhead::Take(path);
    const QPixmap read(path);
    ASSERT_FALSE(taken.isNull());
    EXPECT_EQ(taken.size(), read.size());
    EXPECT_EQ(taken.hasAlphaChannel(), read.hasAlphaChannel());
    EXPECT_EQ(taken.toImage(), read.toImage());
  }
  EXPECT_TRUE(platform::PicturesAhead::Take(missing).isNull());
}

// The start decodes a picture, and no window takes it (the start ended early): a later reading
// of that file shows the file as it is then, not the start's decoding.
TEST(PicturesAheadTest, APictureNotTakenAtTheStartIsForgottenWithIt) {
  EnsureApplication();
  PictureFiles files;
  { platform::PicturesAhead ahead({files.bitmap}); }
  QImage other(10, 10, QImage::Format_RGB32);
  other.fill(Qt::green);
  ASSERT_TRUE(other.save(files.bitmap));
  EXPECT_EQ(platform::PicturesAhead::Take(files.bitmap).size(), QSize(10, 10));
}

}  // namespace
