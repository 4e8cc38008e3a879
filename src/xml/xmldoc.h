// A small document object model over libxml2: what the catalogue, project and set files need.
// Elements are reached by position or by name among element children only: whitespace, comments
// and processing instructions are never fields. Parsing never loads a DTD, expands external
// entities or touches the network. Saving writes the declared encoding and is atomic.
#pragma once

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

struct _xmlNode;
struct _xmlDoc;

namespace xml {

// A file that cannot be read, parsed or written, or a child asked for that is not there.
class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Document;

// A handle to an element of a Document; valid as long as the document holds it.
class Element {
 public:
  Element() = default;
  bool IsNull() const { return node_ == nullptr; }
  explicit operator bool() const { return node_ != nullptr; }

  std::string Name() const;
  int ChildCount() const;                      // element children only
  Element Child(int index) const;              // throws Error when out of range
  Element Child(std::string_view name) const;  // first child of that name, or a null element
  std::vector<Element> Children() const;       // element children in document order
  std::string Text() const;                    // concatenated text content, "" when none
  void SetText(std::string_view text);         // replaces the content with one text node
  std::optional<std::string> Attribute(std::string_view name) const;
  void SetAttribute(std::string_view name, std::string_view value);
  // Appends a new element as the last element child. When the document's automatic indentation
  // is on, whitespace is put around it so that it stands on its own line, indented once per level.
  Element AppendChild(std::string_view name);
  // Takes the element, with the whitespace that indents it, out of the document and frees it;
  // this handle is null from then on, and copies of it must no longer be used.
  void Remove();

 private:
  friend class Document;
  Element(Document* document, _xmlNode* node) : document_(document), node_(node) {}
  Document* document_ = nullptr;
  _xmlNode* node_ = nullptr;
};

class Document {
 public:
  Document();
  ~Document();
  Document(const Document&) = delete;
  Document& operator=(const Document&) = delete;

  // Parses a file in the encoding its declaration names (UTF-8 when there is none); replaces
  // the document only when parsing succeeded. Sets FileName() to path in any case.
  void LoadFile(const std::string& path);
  void LoadText(std::string_view text);  // the same from memory (tests, fuzzing)
  // A new empty document with the root element and the encoding to declare.
  Element Create(std::string_view rootName, std::string_view encoding = "UTF-8");
  bool IsLoaded() const { return doc_ != nullptr; }
  // Releases the tree (a catalogue operation leaves its document inactive); the file name stays.
  void Close();

  Element DocumentElement() const;  // throws Error when nothing is loaded or there is no root
  std::string Encoding() const;     // as declared; "UTF-8" when there is no declaration

  // Writes the whole document in its declared encoding, to a temporary file that replaces path
  // only after a complete write. Throws Error; the old file then stays as it was.
  void SaveFile(const std::string& path) const;
  std::string SaveText() const;  // the bytes SaveFile would write

  const std::string& FileName() const { return fileName_; }
  void SetFileName(const std::string& fileName) { fileName_ = fileName; }
  void SetIndentString(std::string indent) { indent_ = std::move(indent); }
  const std::string& IndentString() const { return indent_; }
  void SetAutoIndent(bool on) { autoIndent_ = on; }
  bool AutoIndent() const { return autoIndent_; }

 private:
  friend class Element;
  void Replace(_xmlDoc* doc);
  _xmlDoc* doc_ = nullptr;
  std::string fileName_;
  std::string indent_ = "  ";
  bool autoIndent_ = true;
};

}  // namespace xml
