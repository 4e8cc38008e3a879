// An edit that spans two catalogue files (an insulation kind and its thickness rows) is written
// to both files or to neither.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace xml {
class Document;
}

namespace editors {

// Loads the file into the document, as Document::LoadFile does, and returns the bytes it read,
// which a failed write of the edit puts back. Throws xml::Error.
std::string LoadKeepingBytes(xml::Document& document, const std::string& path);

struct FileReplacement {
  std::string path;
  std::string before;  // the bytes the file held when the edit read it
  std::string after;   // the bytes to write
};

// Writes each file whole (temporary file, then the rename), in order. When one write fails, the
// files already replaced get their earlier bytes back and the failure is rethrown (xml::Error):
// every file then holds what it held before. failed, when given, receives the index of the file
// whose write failed, so that a caller can tell that file from the ones that had to follow it.
void ReplaceFilesTogether(const std::vector<FileReplacement>& files, size_t* failed = nullptr);

}  // namespace editors
