// The ids of catalogue records, which the editors that write their own records number on from.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "engine/numtext.h"
#include "xml/xmldoc.h"

namespace editors {

// The largest id (field 0) among the records, 0 when there is none; an id that is no integer
// raises the conversion error.
inline int32_t LargestRecordId(const std::vector<xml::Element>& records) {
  int32_t largest = 0;
  for (const xml::Element& record : records)
    largest = std::max(largest, ReadInt(record.Child(0).Text()));
  return largest;
}

// Whether an id is left after the largest: past the largest 32-bit integer the catalogue's ids
// could not be read again. Shows the "Uwaga" warning naming the file when none is left.
bool IdLeftAfter(int32_t largest, const char* fileBaseName);

}  // namespace editors
