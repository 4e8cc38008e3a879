// The ids of catalogue records (field 0): the editors number new records on from the largest, and
// find a listed record again by its id after its file was read anew.
#pragma once

#include <QString>
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/numtext.h"
#include "xml/xmldoc.h"

namespace editors {

// The largest id among the records, 0 when there is none; an id that is no integer raises the
// conversion error.
inline int32_t LargestRecordId(const std::vector<xml::Element>& records) {
  int32_t largest = 0;
  for (const xml::Element& record : records)
    largest = std::max(largest, ReadInt(record.Child(0).Text()));
  return largest;
}

// Whether an id is left after the largest: past the largest 32-bit integer the catalogue's ids
// could not be read again. Shows the "Uwaga" warning naming the file when none is left.
bool IdLeftAfter(int32_t largest, const QString& fileBaseName);

// The record's id text; empty for a record without fields.
std::string RecordId(const xml::Element& record);

// The place of the record with the id: the preferred place when it holds it (the record has not
// moved), else the first that does; -1 when none does.
int RowOfId(const std::vector<xml::Element>& records, int preferred, const std::string& id);

}  // namespace editors
