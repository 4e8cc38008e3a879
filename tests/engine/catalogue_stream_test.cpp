// The catalogue reads stream each file once; a whole-document reading through xml::Document
// (how the tables were read before, kept here as the reference) must give the same tables, the
// same column names, the same ids and the same errors, on the shipped catalogues and on files
// that try every corner of the format.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "engine/catalogue.h"
#include "engine/numtext.h"
#include "temp_dir.h"

namespace {

// The reference: the whole document loaded, the fields taken by position.
void ReferenceLoad(CCatalogueTable& table, const std::string& path) {
  xml::Document document;
  document.LoadFile(path);
  const xml::Element root = document.DocumentElement();
  CCatalogueTable fresh(table.ColumnCount);
  fresh.RowCount = root.ChildCount();
  fresh.Rows.assign(static_cast<size_t>(fresh.RowCount),
                    std::vector<std::string>(static_cast<size_t>(fresh.ColumnCount)));
  if (fresh.RowCount > 0) {
    const int count = root.Child(0).ChildCount();
    for (int i = 0; i < fresh.RowCount; ++i) {
      const xml::Element record = root.Child(i);
      for (int j = 0; j < std::min(count, fresh.ColumnCount); ++j)
        fresh.Rows[static_cast<size_t>(i)][static_cast<size_t>(j)] = record.Child(j).Text();
    }
  }
  std::swap(table, fresh);
}

std::vector<std::string> ReferenceNames(const std::string& path) {
  xml::Document document;
  document.LoadFile(path);
  const xml::Element root = document.DocumentElement();
  if (root.ChildCount() == 0) throw CatalogueError("no record");
  std::vector<std::string> names;
  for (const xml::Element& field : root.Child(0).Children()) {
    const auto name = field.Attribute("name");
    if (!name) throw CatalogueError("no name");
    names.push_back(*name);
  }
  return names;
}

int32_t ReferenceLargestId(const std::string& path) {
  xml::Document document;
  document.LoadFile(path);
  const std::vector<xml::Element> records = document.DocumentElement().Children();
  if (records.empty()) throw CatalogueError("no record");
  int32_t largest = ReadInt(records[0].Child(0).Text());
  for (const xml::Element& record : records)
    largest = std::max(largest, ReadInt(record.Child(0).Text()));
  return largest;
}

// What an operation gave: its result as text, or its error's kind and message.
template <class Operation>
std::string Outcome(Operation operation) {
  try {
    return "ok " + operation();
  } catch (const xml::Error& e) {
    return std::string("xml::Error ") + e.what();
  } catch (const CatalogueError&) {
    return "CatalogueError";
  } catch (const NumberConversionError& e) {
    return std::string("NumberConversionError ") + e.what();
  }
}

std::string Joined(const CCatalogueTable& table) {
  std::string text = std::to_string(table.RowCount) + "/" + std::to_string(table.Rows.size());
  for (const auto& row : table.Rows) {
    text += "\n";
    for (const std::string& cell : row) text += "[" + cell + "]";
  }
  return text;
}

std::string Joined(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text += "[" + name + "]";
  return text;
}

void ExpectSameAsReference(const std::string& path, int32_t columnCount) {
  const std::string table = Outcome([&] {
    xml::Document document;
    CCatalogueTable t(columnCount);
    LoadCatalogueTable(document, t, path);
    EXPECT_EQ(document.FileName(), path);
    EXPECT_FALSE(document.IsLoaded()) << "a read leaves no tree behind";
    return Joined(t);
  });
  const std::string reference = Outcome([&] {
    CCatalogueTable t(columnCount);
    ReferenceLoad(t, path);
    return Joined(t);
  });
  EXPECT_EQ(table, reference) << "table";

  const std::string names = Outcome([&] {
    xml::Document document;
    document.SetFileName(path);
    std::vector<std::string> n{"stare"};
    ReadCatalogueColumnNames(document, n);
    return Joined(n);
  });
  EXPECT_EQ(names, Outcome([&] { return Joined(ReferenceNames(path)); })) << "names";

  // Table and names from one pass: the table's outcome first, then the names' unless the file
  // has no record.
  const std::string together = Outcome([&] {
    xml::Document document;
    CCatalogueTable t(columnCount);
    std::vector<std::string> n{"stare"};
    try {
      LoadCatalogueTable(document, t, path, &n);
    } catch (const CatalogueError&) {
      return Joined(t) + " CatalogueError";
    }
    return Joined(t) + " " + Joined(n);
  });
  std::string expected = reference;
  if (expected.rfind("ok ", 0) == 0) {
    const std::string referenceNames = Outcome([&] { return Joined(ReferenceNames(path)); });
    if (expected.rfind("ok 0/", 0) == 0)
      expected += " ";
    else if (referenceNames == "CatalogueError")
      expected += " CatalogueError";
    else
      expected += " " + referenceNames.substr(3);
  }
  EXPECT_EQ(together, expected) << "table and names in one pass";

  const std::string largest = Outcome([&] {
    xml::Document document;
    document.SetFileName(path);
    return std::to_string(LargestCatalogueId(document));
  });
  EXPECT_EQ(largest, Outcome([&] { return std::to_string(ReferenceLargestId(path)); }))
      << "largest id";

  const std::string count = Outcome([&] {
    xml::Document document;
    return std::to_string(CountCatalogueRows(document, path));
  });
  const std::string referenceCount = Outcome([&] {
    xml::Document document;
    document.LoadFile(path);
    return std::to_string(document.DocumentElement().ChildCount());
  });
  EXPECT_EQ(count, referenceCount) << "row count";
}

TEST(CatalogueOnePass, ShippedCataloguesReadAsAWholeDocumentReadsThem) {
  const CCatalogues sizes;
  for (const CCatalogues::Entry& entry : CCatalogues::Files) {
    SCOPED_TRACE(entry.fileName);
    ExpectSameAsReference(std::string(VINDARGAST_DATA) + "/" + entry.fileName,
                          (sizes.*entry.table).ColumnCount);
  }
}

TEST(CatalogueOnePass, EveryCornerOfTheFormatReadsAsAWholeDocumentReadsIt) {
  const std::string head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  struct Case {
    const char* name;
    std::string text;
  } cases[] = {
      {"plain", head + "<k><row><f name=\"a\">1</f><f name=\"b\">x</f><f name=\"c\">1</f></row>"
                       "<row><f name=\"a\">2</f><f name=\"b\">y</f><f name=\"c\">0</f></row></k>"},
      {"comments, instructions and blanks between elements",
       head + "<!-- a --><k>\n <?pi x?>\n <row>\n  <!-- b -->\n  <f name=\"a\">3</f>\n"
              "  <?pi y?><f name=\"b\">z</f>\n </row>\n <!-- c -->\n</k>\n<!-- d -->"},
      {"text made of pieces", head + "<k><row><f name=\"a\">1<!-- x -->2<![CDATA[<3>]]>&amp;"
                                     "&#322;<?p?>4</f><f name=\"b\">a<i>nested</i>b</f></row></k>"},
      {"blank and empty fields", head + "<k><row><f name=\"a\">  </f><f name=\"b\"/><f "
                                        "name=\"c\"></f><f name=\"d\">\n\t</f></row></k>"},
      {"escapes in names, prefixed elements and attributes",
       head + "<k xmlns:p=\"urn:x\"><p:row><p:f p:name=\"inny\" name=\"a&amp;b&#322;&lt;\">1"
              "</p:f><f name=\"&#38;#38;\">2</f></p:row><p:row><f>3</f></p:row></k>"},
      {"records and fields of any name", head + "<k><a><x name=\"n\">1</x></a><b><y>2</y></b></k>"},
      {"later records longer", head + "<k><row><f name=\"a\">1</f></row>"
                                      "<row><f>2</f><f>extra</f><f>more</f></row></k>"},
      {"later record shorter", head + "<k><row><f name=\"a\">1</f><f name=\"b\">2</f></row>"
                                      "<rekord><f>3</f></rekord></k>"},
      {"later record empty", head + "<k><row><f name=\"a\">1</f></row><pusty/></k>"},
      {"first record empty", head + "<k><row/><row><f>2</f></row></k>"},
      {"first record without names", head + "<k><row><f name=\"a\">1</f><f>2</f></row></k>"},
      {"no records", head + "<k>\n</k>"},
      {"empty root", head + "<k/>"},
      {"id that is no number", head + "<k><row><f name=\"a\">1</f></row><row><f>x</f></row></k>"},
      {"short record, then a broken file",
       head + "<k><row><f name=\"a\">1</f><f>2</f></row><row><f>3</f></row><row></k>"},
      {"broken at the start", "<k><row></k>"},
      {"cut off", head + "<k><row><f name=\"a\">1</f>"},
      {"empty file", ""},
      {"document type", "<!DOCTYPE k><k><row><f name=\"a\">1</f></row></k>"},
      {"entity of a document type",
       "<!DOCTYPE k [<!ENTITY e \"zz\">]><k><row><f name=\"a\">&e;</f></row></k>"},
      {"undeclared entity", head + "<k><row><f name=\"a\">&e;</f></row></k>"},
      {"ISO-8859-2",
       "<?xml version=\"1.0\" encoding=\"ISO-8859-2\"?><k><row><f name=\"\xb3\">"
       "\xbf\xf3\xb3\xe6</f></row></k>"},
      {"unknown encoding", "<?xml version=\"1.0\" encoding=\"x-nieznane\"?><k/>"},
      // libxml2 halts on the failed conversion without calling the document malformed.
      {"bytes the declared encoding cannot convert",
       "<?xml version=\"1.0\" encoding=\"UTF-7\"?>\n<k>\n  <row>\n    <f name=\"a\">1</f>\n  "
       "</row>\n  <row>\n    <f>\xc4\x85 o</f>\n  </row>\n</k>\n"},
  };
  TempDir dir;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = dir.Write("k.xml", c.text);
    for (int32_t columns : {1, 2, 3, 5}) {
      SCOPED_TRACE(columns);
      ExpectSameAsReference(path, columns);
    }
  }
  SCOPED_TRACE("missing file");
  ExpectSameAsReference(dir.File("brak.xml"), 3);
}

}  // namespace
