// Reading a catalogue file back in the editors' tests: its bytes, and its records as texts.
#pragma once

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "xml/xmldoc.h"

namespace catalogue_records {

using Row = std::vector<std::string>;

inline std::string Bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::vector<Row> Records(const std::string& path) {
  xml::Document document;
  document.LoadFile(path);
  std::vector<Row> records;
  for (const xml::Element& record : document.DocumentElement().Children()) {
    Row fields;
    for (const xml::Element& field : record.Children()) fields.push_back(field.Text());
    records.push_back(fields);
  }
  return records;
}

}  // namespace catalogue_records
