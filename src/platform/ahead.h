// Work of the start that needs no widget, done on other threads while the application object and
// the first windows are made on the main one: libraries a later window loads, configuration a
// later step reads, pictures a later window shows. A window that uses the result waits for it
// (through the lock of the work that makes it, or the picture's own waiting), so the work ahead
// only ever saves time.
#pragma once

#include <QPixmap>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

namespace platform {

class Ahead {
 public:
  // Starts the work, one step after the other; a step that fails is left to the window that
  // meets the same thing later.
  explicit Ahead(std::vector<std::function<void()>> steps);
  Ahead(const Ahead&) = delete;
  Ahead& operator=(const Ahead&) = delete;
  // Waits for the work still running: none of it outlives the start-up's scope.
  ~Ahead();

 private:
  std::thread thread_;
};

// Pictures of the first windows, decoded on a second thread while the windows before them are
// made. Needs the application object and the program folder; releasing it waits for the decoding
// and forgets the pictures no window took.
class PicturesAhead {
 public:
  explicit PicturesAhead(const QStringList& paths);
  PicturesAhead(const PicturesAhead&) = delete;
  PicturesAhead& operator=(const PicturesAhead&) = delete;
  ~PicturesAhead();

  // The picture (a file or resource path) as QPixmap(path) would read it: decoded ahead (waiting
  // for it when it is still being decoded) and taken once, or read now. Null when it cannot be
  // read, either way.
  static QPixmap Take(const QString& path);

 private:
  QStringList paths_;
  std::unique_ptr<Ahead> decoding_;
};

// Reads the system's font configuration (fontconfig, which Qt's text drawing uses and which keeps
// what it read, for every thread); nothing when the program runs without fontconfig.
void ReadFontConfiguration();

}  // namespace platform
