// A program folder for window tests: a temporary copy of the program's data (the catalogues in
// "Dane", the pictures in "Grafika"), made the working folder for the test's life, as tools/run
// makes the program folder the working folder. Needs VINDARGAST_DATA (the source data folder).
#pragma once

#include <QColor>
#include <QDir>
#include <QImage>
#include <QString>
#include <filesystem>
#include <string>

#include "temp_dir.h"

class ProgramFolder {
 public:
  ProgramFolder() {
    namespace fs = std::filesystem;
    for (const char* folder : {"Dane", "Grafika", "Zestawy"}) {
      const fs::path source = fs::path(VINDARGAST_DATA) / folder;
      fs::create_directories(dir_.path() / folder);
      if (fs::exists(source))
        fs::copy(source, dir_.path() / folder,
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    }
    // The installation schemes, should the data not hold them.
    for (const char* scheme : {"CWU-1zasobnik.bmp", "CWU-2zasobniki.bmp", "CWU+CO-1zasobnik.bmp",
                               "CWU+CO-2zasobniki.bmp"}) {
      const fs::path picture = dir_.path() / "Grafika" / scheme;
      if (fs::exists(picture)) continue;
      QImage image(40, 30, QImage::Format_RGB32);
      image.fill(QColor(200, 220, 240));
      image.save(QString::fromStdString(picture.string()), "BMP");
    }
    previous_ = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(dir_.path().string()));
  }
  ~ProgramFolder() { QDir::setCurrent(previous_); }
  ProgramFolder(const ProgramFolder&) = delete;
  ProgramFolder& operator=(const ProgramFolder&) = delete;

  const TempDir& Dir() const { return dir_; }
  std::string File(const std::string& name) const { return dir_.File(name); }
  void Remove(const std::string& name) const { std::filesystem::remove(dir_.path() / name); }
  void Write(const std::string& name, const std::string& bytes) const { dir_.Write(name, bytes); }

 private:
  TempDir dir_;
  QString previous_;
};
