#include "platform/ahead.h"

#include <dlfcn.h>
#include <locale.h>

#include <QImage>
#include <QImageReader>
#include <future>
#include <map>
#include <memory>
#include <mutex>

namespace platform {
namespace {

std::mutex& PicturesMutex() {
  static std::mutex mutex;
  return mutex;
}

// The pictures decoded ahead and not yet taken, by path.
std::map<QString, std::shared_future<QImage>>& Pictures() {
  static std::map<QString, std::shared_future<QImage>> pictures;
  return pictures;
}

// Decoded and brought into the form a screen pixmap holds, so that the main thread's QPixmap
// only takes the pixels over.
QImage Decoded(const QString& path) {
  QImage image = QImageReader(path).read();
  if (image.isNull()) return image;
  return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                       : QImage::Format_RGB32);
}

}  // namespace

Ahead::Ahead(std::vector<std::function<void()>> steps)
    : thread_([steps = std::move(steps)] {
        for (const auto& step : steps) {
          try {
            step();
          } catch (...) {
          }
        }
      }) {}

Ahead::~Ahead() {
  if (thread_.joinable()) thread_.join();
}

PicturesAhead::PicturesAhead(const QStringList& paths) : paths_(paths) {
  std::vector<std::function<void()>> steps;
  {
    const std::lock_guard<std::mutex> lock(PicturesMutex());
    for (const QString& path : paths) {
      auto promise = std::make_shared<std::promise<QImage>>();
      Pictures()[path] = promise->get_future().share();
      steps.push_back([promise, path] { promise->set_value(Decoded(path)); });
    }
  }
  // A step that failed leaves its promise broken; Take then reads the picture itself.
  decoding_ = std::make_unique<Ahead>(std::move(steps));
}

PicturesAhead::~PicturesAhead() {
  decoding_.reset();
  const std::lock_guard<std::mutex> lock(PicturesMutex());
  for (const QString& path : paths_) Pictures().erase(path);
}

QPixmap PicturesAhead::Take(const QString& path) {
  std::shared_future<QImage> decoded;
  {
    const std::lock_guard<std::mutex> lock(PicturesMutex());
    const auto found = Pictures().find(path);
    if (found != Pictures().end()) {
      decoded = found->second;
      Pictures().erase(found);
    }
  }
  if (decoded.valid()) {
    try {
      return QPixmap::fromImage(decoded.get());
    } catch (...) {
    }
  }
  return QPixmap(path);
}

void ReadFontConfiguration() {
  // Found among the libraries Qt's graphics brought in, so the program does not depend on it.
  using Init = int (*)();
  const auto init = reinterpret_cast<Init>(dlsym(RTLD_DEFAULT, "FcInit"));
  if (!init) return;
  // The configuration's numbers are read in a locale of this thread's own: the application
  // object, made meanwhile, sets the process's locale from the environment.
  const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
  const locale_t before = c ? uselocale(c) : nullptr;
  init();
  if (c) {
    uselocale(before);
    freelocale(c);
  }
}

}  // namespace platform
