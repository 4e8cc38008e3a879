#include "engine/catalogue.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "engine/numtext.h"
#include "file_size_limit.h"
#include "temp_dir.h"

namespace {

const std::string kFixtures = std::string(VINDARGAST_FIXTURES) + "/catalogue/";

using Record = std::vector<std::pair<std::string, std::string>>;

// A catalogue file in the program's layout, in the given encoding (texts given in UTF-8 are
// written as the caller passes them: pass bytes of the declared encoding).
std::string CatalogueText(const std::vector<Record>& records,
                          const std::string& encoding = "UTF-8") {
  std::string text = "<?xml version=\"1.0\" encoding=\"" + encoding + "\"?>\n<katalog>\n";
  for (const Record& record : records) {
    text += "  <row>\n";
    for (const auto& [name, value] : record)
      text += "    <field name=\"" + name + "\">" + value + "</field>\n";
    text += "  </row>\n";
  }
  return text + "</katalog>\n";
}

Record Device(int id, const std::string& name, const std::string& flag = "1") {
  return {{"id", std::to_string(id)}, {"nazwa", name}, {"flaga", flag}};
}

TEST(CatalogueTable, ReadsByPositionAndKeepsEmptyFields) {
  xml::Document doc;
  CCatalogueTable table(5);
  LoadCatalogueTable(doc, table, kFixtures + "odd_fields.xml");
  ASSERT_EQ(table.RowCount, 2);
  ASSERT_EQ(table.Rows.size(), 2u);
  EXPECT_EQ(table.Rows[0], (std::vector<std::string>{"1", "Gdańsk", "", "1", ""}))
      << "the fifth column, beyond the file's fields, stays empty";
  EXPECT_EQ(table.Rows[1], (std::vector<std::string>{"2", "Łódź", "", "0", ""}));
  EXPECT_EQ(table.ColumnCount, 5) << "never taken from the file";
}

TEST(CatalogueTable, FieldsBeyondTheColumnCountAreDropped) {
  xml::Document doc;
  CCatalogueTable table(3);
  LoadCatalogueTable(doc, table, kFixtures + "long_record.xml");
  ASSERT_EQ(table.RowCount, 2);
  for (const auto& row : table.Rows) EXPECT_EQ(row.size(), 3u);
  EXPECT_EQ(table.Rows[1], (std::vector<std::string>{"2", "p", "q"}));
}

TEST(CatalogueTable, FailedReloadLeavesTheTableAsItWas) {
  xml::Document doc;
  CCatalogueTable table(5);
  LoadCatalogueTable(doc, table, kFixtures + "odd_fields.xml");
  const CatalogueRows before = table.Rows;
  for (const std::string file : {"short_record.xml", "no_such_file.xml"}) {
    SCOPED_TRACE(file);
    EXPECT_THROW(LoadCatalogueTable(doc, table, kFixtures + file), xml::Error);
    EXPECT_EQ(table.RowCount, 2);
    EXPECT_EQ(table.Rows, before);
  }
}

TEST(CatalogueTable, FileWithoutRecordsGivesAnEmptyTableAndRefusesAppends) {
  TempDir dir;
  const std::string path = dir.Write("pusty.xml", ReadFileBytes(kFixtures + "empty.xml"));
  const std::string original = ReadFileBytes(path);
  xml::Document doc;
  CCatalogueTable table(4);
  LoadCatalogueTable(doc, table, path);
  EXPECT_EQ(table.RowCount, 0);
  EXPECT_TRUE(table.Rows.empty());

  CatalogueRows rows{{"", "nowy", "0"}};
  EXPECT_THROW(AppendCatalogueRows(doc, path, rows, 1), CatalogueError);
  EXPECT_THROW(AppendCatalogueRow(doc, path, {"1", "nowy", "0"}, 3), CatalogueError);
  EXPECT_THROW(LargestCatalogueId(doc), CatalogueError);
  std::vector<std::string> names{"stare"};
  EXPECT_THROW(ReadCatalogueColumnNames(doc, names), CatalogueError);
  EXPECT_EQ(ReadFileBytes(path), original);
}

TEST(CatalogueOperations, UserRowsAreThoseWhoseFlagIsTheIntegerZero) {
  const CatalogueRows rows{{"1", "a", "1"}, {"2", "b", "0"}, {"3", "c", "1"}, {"4", "d", "00"}};
  EXPECT_EQ(CountUserRows(rows, 4, 2), 2);
  EXPECT_EQ(CountUserRows(rows, 2, 2), 1) << "only rowCount rows are looked at";

  CatalogueRows destination(2, std::vector<std::string>(3));
  CopyUserRows(rows, destination, 2, 4, 3, 2);
  EXPECT_EQ(destination, (CatalogueRows{{"2", "b", "0"}, {"4", "d", "00"}}));

  CatalogueRows small(1, std::vector<std::string>(3));
  CopyUserRows(rows, small, 1, 4, 3, 2);
  EXPECT_EQ(small, (CatalogueRows{{"2", "b", "0"}})) << "never more than capacity rows";

  const CatalogueRows bad{{"1", "a", "tak"}};
  EXPECT_THROW(CountUserRows(bad, 1, 2), NumberConversionError);
}

TEST(CatalogueOperations, LargestId) {
  struct Case {
    std::vector<int> ids;
    int32_t largest;
  } cases[] = {{{5, 9, 2, 7}, 9}, {{7}, 7}, {{3, 2, 1}, 3}, {{-4, -9}, -4}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.ids));
    TempDir dir;
    std::vector<Record> records;
    for (int id : c.ids) records.push_back(Device(id, "x"));
    xml::Document doc;
    doc.SetFileName(dir.Write("k.xml", CatalogueText(records)));
    EXPECT_EQ(LargestCatalogueId(doc), c.largest);
  }
}

TEST(CatalogueOperations, AppendedRowsAreNumberedOnAndWrittenBack) {
  struct Case {
    const char* name;
    std::vector<int> ids;
    std::string firstNewId;
  } cases[] = {
      {"120 records numbered without gaps", {}, "121"},
      {"ids with a gap", {1, 2, 40}, "41"},
      {"ids below the record count", {1, 1, 1, 1}, "5"},
  };
  for (Case c : cases) {
    SCOPED_TRACE(c.name);
    if (c.ids.empty())
      for (int i = 1; i <= 120; ++i) c.ids.push_back(i);
    std::vector<Record> records;
    for (int id : c.ids) records.push_back(Device(id, "stary"));
    TempDir dir;
    const std::string path = dir.Write("k.xml", CatalogueText(records));
    xml::Document doc;
    CatalogueRows rows{{"", "nowy 1", "0"}, {"", "nowy 2", "0"}};
    AppendCatalogueRows(doc, path, rows, 2);

    const std::string second = std::to_string(std::stoi(c.firstNewId) + 1);
    EXPECT_EQ(rows[0][0], c.firstNewId);
    EXPECT_EQ(rows[1][0], second);
    CCatalogueTable table(3);
    LoadCatalogueTable(doc, table, path);
    ASSERT_EQ(table.RowCount, static_cast<int32_t>(c.ids.size()) + 2);
    EXPECT_EQ(table.Rows[table.RowCount - 2],
              (std::vector<std::string>{c.firstNewId, "nowy 1", "0"}));
    EXPECT_EQ(table.Rows[table.RowCount - 1], (std::vector<std::string>{second, "nowy 2", "0"}));
  }
}

// Ids are 32-bit: the update numbers on up to the largest id and refuses to go beyond it,
// leaving the file as it was.
TEST(CatalogueOperations, AppendedIdsStopAtTheLargest32BitId) {
  const struct Case {
    int largest;
    int32_t rowCount;
    bool fits;
  } cases[] = {{2147483646, 1, true}, {2147483646, 2, false}, {2147483647, 1, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.largest) + " + " + std::to_string(c.rowCount));
    TempDir dir;
    const std::string text = CatalogueText({Device(c.largest, "stary")});
    const std::string path = dir.Write("k.xml", text);
    xml::Document doc;
    CatalogueRows rows{{"", "nowy 1", "0"}, {"", "nowy 2", "0"}};
    if (c.fits) {
      AppendCatalogueRows(doc, path, rows, c.rowCount);
      EXPECT_EQ(rows[0][0], "2147483647");
      EXPECT_EQ(LargestCatalogueId(doc), 2147483647);
    } else {
      EXPECT_THROW(AppendCatalogueRows(doc, path, rows, c.rowCount), CatalogueError);
      EXPECT_EQ(rows[0][0], "");
      EXPECT_EQ(ReadFileBytes(path), text);
    }
  }
}

TEST(CatalogueOperations, AppendKeepsTheFileAndItsIndentation) {
  TempDir dir;
  const std::string head = CatalogueText({Device(1, "a"), Device(2, "b")});
  const std::string path = dir.Write("k.xml", head);
  xml::Document doc;
  CatalogueRows rows{{"", "c", "0"}};
  AppendCatalogueRows(doc, path, rows, 1);
  const std::string saved = ReadFileBytes(path);
  const std::string kept = head.substr(0, head.size() - std::string("</katalog>\n").size());
  EXPECT_EQ(saved.substr(0, kept.size()), kept) << "existing records keep their bytes";
  EXPECT_EQ(saved.substr(kept.size()),
            "   <row>\n      <field name=\"id\">3</field>\n      <field name=\"nazwa\">c</field>\n"
            "      <field name=\"flaga\">0</field>\n   </row>\n</katalog>\n");

  AppendCatalogueRow(doc, path, {"4", "d", "0"}, 3);
  EXPECT_NE(
      ReadFileBytes(path).find(
          "  <row>\n    <field name=\"id\">4</field>\n    <field "
          "name=\"nazwa\">d</field>\n    <field name=\"flaga\">0</field>\n  </row>\n</katalog>"),
      std::string::npos)
      << ReadFileBytes(path);
}

TEST(CatalogueOperations, PolishLettersSurviveAnAppendInTheDeclaredEncoding) {
  struct Case {
    const char* encoding;
    std::string old;    // "Łódź" in the encoding's bytes
    std::string added;  // "Gdańsk Śródmieście"
  } cases[] = {
      {"ISO-8859-2", "\xA3\xF3\x64\xBC", "Gda\xF1sk \xA6r\xF3\x64mie\xB6\x63ie"},
      {"windows-1250", "\xA3\xF3\x64\x9F", "Gda\xF1sk \x8Cr\xF3\x64mie\x9C\x63ie"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.encoding);
    TempDir dir;
    const std::string original = CatalogueText({Device(1, c.old)}, c.encoding);
    const std::string path = dir.Write("miasta.xml", original);
    xml::Document doc;
    CatalogueRows rows{{"", "Gdańsk Śródmieście", "0"}};
    AppendCatalogueRows(doc, path, rows, 1);
    const std::string saved = ReadFileBytes(path);
    EXPECT_EQ(saved.substr(0, original.size() - 11), original.substr(0, original.size() - 11));
    EXPECT_NE(saved.find("<field name=\"nazwa\">" + c.added + "</field>"), std::string::npos)
        << saved;
    CCatalogueTable table(3);
    LoadCatalogueTable(doc, table, path);
    EXPECT_EQ(table.Rows[0][1], "Łódź");
    EXPECT_EQ(table.Rows[1][1], "Gdańsk Śródmieście");
  }
}

TEST(CatalogueOperations, FailedAppendLeavesTheFileByteIdentical) {
  struct Case {
    const char* name;
    std::string file;
    bool limitWrites;
  } cases[] = {
      {"id that is no integer",
       CatalogueText({Device(1, "a"), {{"id", "x"}, {"n", "b"}, {"f", "1"}}}), false},
      {"field without a name", "<k><row><field>1</field><field name=\"f\">1</field></row></k>",
       false},
      {"write that fails half-way", CatalogueText({Device(1, "a")}), true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    const std::string path = dir.Write("k.xml", c.file);
    xml::Document doc;
    CatalogueRows rows{{"", std::string(2000, 'z'), "0"}};
    {
      std::unique_ptr<FileSizeLimit> limit;
      if (c.limitWrites) limit = std::make_unique<FileSizeLimit>(c.file.size() + 10);
      EXPECT_ANY_THROW(AppendCatalogueRows(doc, path, rows, 1));
    }
    EXPECT_EQ(ReadFileBytes(path), c.file);
    EXPECT_EQ(rows[0][0], "") << "no id handed out for a record that was not written";
  }
}

TEST(CatalogueOperations, AppendCatalogueRowWritesExactlyColumnCountFields) {
  TempDir dir;
  const std::string original =
      CatalogueText({{{"id", "1"}, {"a", "x"}, {"b", "y"}, {"flaga", "1"}}});
  const std::string path = dir.Write("k.xml", original);
  xml::Document doc;
  AppendCatalogueRow(doc, path, {"2", "p", "0", "nadmiar"}, 3);
  doc.LoadFile(path);
  xml::Element added = doc.DocumentElement().Child(1);
  ASSERT_EQ(added.ChildCount(), 3);
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(added.Child(k).Attribute("name"), (std::vector<std::string>{"id", "a", "b"}[k]));
    EXPECT_EQ(added.Child(k).Text(), (std::vector<std::string>{"2", "p", "0"}[k]));
  }
  std::vector<std::string> names;
  ReadCatalogueColumnNames(doc, names);
  EXPECT_EQ(names, (std::vector<std::string>{"id", "a", "b", "flaga"}));
  ReadCatalogueColumnNames(doc, names);
  EXPECT_EQ(names.size(), 4u) << "the list is cleared first";

  const std::string before = ReadFileBytes(path);
  EXPECT_THROW(AppendCatalogueRow(doc, path, {"3", "q"}, 3), xml::Error);
  EXPECT_THROW(AppendCatalogueRow(doc, path, {"3", "q", "r", "s", "0"}, 5), xml::Error);
  EXPECT_EQ(ReadFileBytes(path), before);
}

TEST(CatalogueSet, LoadsTheElevenFilesAndDerivesCountsAndProducers) {
  TempDir dir;
  for (const CCatalogues::Entry& entry : CCatalogues::Files)
    dir.Write(entry.fileName, CatalogueText({Device(1, "a"), Device(2, "b", "0")}));
  dir.Write("Dane/producenci.xml", CatalogueText({{{"id", "1"},
                                                   {"nazwa", "Hewalex"},
                                                   {"www", "http://x"},
                                                   {"opis", "brak"},
                                                   {"flaga", "1"}}}));
  CCatalogues catalogues;
  xml::Document doc;
  for (const CCatalogues::Entry& entry : CCatalogues::Files) {
    LoadCatalogueTable(doc, catalogues.*entry.table, dir.File(entry.fileName));
    if (entry.columnNames) ReadCatalogueColumnNames(doc, catalogues.*entry.columnNames);
  }
  catalogues.ComputeDeviceCount();
  catalogues.BuildProducerLists();
  EXPECT_EQ(catalogues.DeviceCount, 14) << "seven device catalogues of two records";
  EXPECT_EQ(catalogues.CollectorColumnNames, (std::vector<std::string>{"id", "nazwa", "flaga"}));
  ASSERT_EQ(catalogues.ProducerLists.size(), 1u);
  EXPECT_EQ(catalogues.ProducerLists[0][1], "Hewalex");
  EXPECT_EQ(catalogues.CityCatalogue.Rows[1].size(), 40u);
}

}  // namespace
