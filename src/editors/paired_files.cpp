#include "editors/paired_files.h"

#include <fstream>
#include <sstream>

#include "xml/atomic_file.h"
#include "xml/xmldoc.h"

namespace editors {

std::string LoadKeepingBytes(xml::Document& document, const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw xml::Error("Nie można otworzyć pliku " + path);
  std::ostringstream buffer;
  buffer << in.rdbuf();
  if (in.bad()) throw xml::Error("Nie można odczytać pliku " + path);
  std::string bytes = std::move(buffer).str();
  try {
    document.LoadText(bytes);
  } catch (const xml::Error& e) {
    throw xml::Error("Plik " + path + " nie jest poprawnym plikiem XML: " + e.what());
  }
  document.SetFileName(path);
  return bytes;
}

void ReplaceFilesTogether(const std::vector<FileReplacement>& files, size_t* failed) {
  for (size_t k = 0; k < files.size(); ++k) {
    try {
      xml::WriteFileAtomically(files[k].path, files[k].after);
    } catch (const xml::Error& failure) {
      if (failed) *failed = k;
      std::string text = failure.what();
      for (size_t j = k; j-- > 0;) {
        try {
          xml::WriteFileAtomically(files[j].path, files[j].before);
        } catch (const xml::Error& restore) {
          // Said in full: the two files no longer belong together.
          text += "\n" + std::string(restore.what());
        }
      }
      throw xml::Error(text);
    }
  }
}

}  // namespace editors
