// Catalogues at scale for the benchmarks: a shipped catalogue's records repeated (ids numbered
// on) to any number of rows, so the texts, their lengths and Polish letters stay realistic.
#pragma once

#include <string>
#include <vector>

#include "xml/xmldoc.h"

namespace bench_data {

// Escapes the three characters a text or an attribute value cannot hold as they are.
inline std::string Escaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '&')
      out += "&amp;";
    else if (c == '<')
      out += "&lt;";
    else if (c == '"')
      out += "&quot;";
    else
      out.push_back(c);
  }
  return out;
}

// The shipped file's records repeated to `rows` records, UTF-8, laid out as the program writes.
inline std::string Repeated(const std::string& shippedFile, int rows) {
  xml::Document shipped;
  shipped.LoadFile(shippedFile);
  const xml::Element root = shipped.DocumentElement();
  const std::vector<xml::Element> records = root.Children();
  std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<" + root.Name() + ">\n";
  for (int i = 0; i < rows; ++i) {
    const std::vector<xml::Element> fields =
        records[static_cast<size_t>(i) % records.size()].Children();
    text += "  <row>\n";
    for (size_t j = 0; j < fields.size(); ++j) {
      const std::string value = j == 0 ? std::to_string(i + 1) : fields[j].Text();
      text += "    <field name=\"" + Escaped(fields[j].Attribute("name").value_or("")) + "\">" +
              Escaped(value) + "</field>\n";
    }
    text += "  </row>\n";
  }
  return text + "</" + root.Name() + ">\n";
}

// A catalogue of one record with `fields` fields.
inline std::string WideRecord(int fields) {
  std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<katalog>\n  <row>\n";
  for (int j = 0; j < fields; ++j)
    text += "    <field name=\"kolumna_" + std::to_string(j) + "\">" +
            (j == 0 ? std::string("1") : std::string("12.75")) + "</field>\n";
  return text + "  </row>\n</katalog>\n";
}

// Rows of the catalogues at scale: 10 000 collectors and 2 000 cities; the others as shipped.
inline int ScaledRows(const std::string& fileName) {
  if (fileName == "Dane/kolektor.xml") return 10000;
  if (fileName == "Dane/miasta.xml") return 2000;
  return 0;
}

}  // namespace bench_data
