// One streaming pass over a file of records: the document element's element children are the
// records and their element children the fields (comments, processing instructions and the
// whitespace between elements are none). Nothing is kept but what the visitor takes, so a
// catalogue of any size is read straight into its table. The file is read with the same rules as
// Document::LoadFile: the declared encoding, no DTD loading, no entity expansion, no network, and
// a document type declaration is refused.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace xml {

class RecordVisitor {
 public:
  virtual ~RecordVisitor() = default;
  // A record starts: its position and element name.
  virtual void BeginRecord(int record, std::string_view name) = 0;
  // Whether the visitor takes field `field` of the record; its text is gathered only then.
  virtual bool WantsField(int record, int field) = 0;
  // Whether the visitor takes the "name" attribute of a field it wants.
  virtual bool WantsFieldName(int /*record*/) { return false; }
  // A wanted field: its text (the concatenated text directly inside it, "" when none) and its
  // "name" attribute when asked for and present.
  virtual void Field(int record, int field, std::string text,
                     const std::optional<std::string>& name) = 0;
  // The record ended after `fieldCount` fields.
  virtual void EndRecord(int record, int fieldCount) = 0;
  // The document element ended; the root's name and the number of records.
  virtual void End(std::string_view /*rootName*/, int /*records*/) {}
};

// Reads the file through the visitor. Throws Error as Document::LoadFile does when the file
// cannot be read or is no well-formed XML. An exception the visitor throws ends the visits but
// not the reading: the file's own error, found later, is reported first, as a whole-document
// parse would have; otherwise the visitor's exception is rethrown once the file has been read.
void ReadRecords(const std::string& path, RecordVisitor& visitor);
// The same from memory (tests, fuzzing).
void ReadRecordsFromText(std::string_view text, RecordVisitor& visitor);

}  // namespace xml
