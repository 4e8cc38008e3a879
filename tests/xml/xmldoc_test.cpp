#include "xml/xmldoc.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "file_size_limit.h"
#include "temp_dir.h"
#include "xml/atomic_file.h"

namespace {

const char kCatalogue[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<!-- katalog -->\n"
    "<katalog>\n"
    "  <row>\n"
    "    <field name=\"id\">1</field>\n"
    "    <?komentarz programu?>\n"
    "    <field name=\"nazwa\">Kraków</field>\n"
    "    <!-- pominięte -->\n"
    "    <field name=\"pusty\"/>\n"
    "  </row>\n"
    "  <row>\n"
    "    <field name=\"id\">2</field>\n"
    "  </row>\n"
    "</katalog>\n";

TEST(XmlDocument, ChildrenArePositionalElementsOnly) {
  xml::Document doc;
  doc.LoadText(kCatalogue);
  xml::Element root = doc.DocumentElement();
  EXPECT_EQ(root.Name(), "katalog");
  ASSERT_EQ(root.ChildCount(), 2);
  xml::Element first = root.Child(0);
  ASSERT_EQ(first.ChildCount(), 3);
  EXPECT_EQ(first.Child(0).Text(), "1");
  EXPECT_EQ(first.Child(1).Text(), "Kraków");
  EXPECT_EQ(first.Child(2).Text(), "");
  EXPECT_EQ(first.Child(1).Attribute("name"), "nazwa");
  EXPECT_FALSE(first.Child(1).Attribute("brak").has_value());
  EXPECT_EQ(root.Child(1).Child("field").Text(), "2");
  EXPECT_TRUE(root.Child("nie_ma").IsNull());
  EXPECT_THROW(root.Child(2), xml::Error);
  EXPECT_THROW(root.Child(-1), xml::Error);
  EXPECT_THROW(root.Child(1).Child(1), xml::Error);
}

TEST(XmlDocument, RefusesDamagedAndHostileInput) {
  struct Case {
    const char* name;
    const char* text;
  } cases[] = {
      {"not closed", "<a><b></a>"},
      {"empty", ""},
      {"no root", "<?xml version=\"1.0\"?>"},
      {"external entity",
       "<?xml version=\"1.0\"?><!DOCTYPE a [<!ENTITY x SYSTEM \"file:///etc/passwd\">]><a>&x;</a>"},
      {"entity expansion",
       "<!DOCTYPE a [<!ENTITY x \"xx\"><!ENTITY y \"&x;&x;&x;&x;\">]><a>&y;</a>"},
      {"external DTD", "<!DOCTYPE a SYSTEM \"http://127.0.0.1:9/a.dtd\"><a/>"},
      {"unknown encoding", "<?xml version=\"1.0\" encoding=\"x-nieznane\"?><a/>"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    xml::Document doc;
    doc.LoadText("<stary/>");
    EXPECT_THROW(doc.LoadText(c.text), xml::Error);
    EXPECT_EQ(doc.DocumentElement().Name(), "stary") << "a failed load keeps the old document";
  }
}

TEST(XmlDocument, MissingFileNamesIt) {
  TempDir dir;
  xml::Document doc;
  try {
    doc.LoadFile(dir.File("brak.xml"));
    FAIL() << "no error";
  } catch (const xml::Error& e) {
    EXPECT_NE(std::string(e.what()).find("brak.xml"), std::string::npos) << e.what();
  }
  EXPECT_EQ(doc.FileName(), dir.File("brak.xml"));
}

// Polish letters in each declared encoding, and the bytes the encoding gives them.
struct EncodingCase {
  const char* encoding;
  std::string letters;  // "źółć" in the encoding's bytes
};

TEST(XmlDocument, ReadsAndWritesInTheDeclaredEncoding) {
  const EncodingCase cases[] = {
      {"UTF-8", "\xC5\xBA\xC3\xB3\xC5\x82\xC4\x87"},
      {"ISO-8859-2", "\xBC\xF3\xB3\xE6"},
      {"windows-1250", "\x9F\xF3\xB3\xE6"},
  };
  for (const EncodingCase& c : cases) {
    SCOPED_TRACE(c.encoding);
    TempDir dir;
    std::string head = std::string("<?xml version=\"1.0\" encoding=\"") + c.encoding + "\"?>\n";
    std::string path = dir.Write("k.xml", head + "<k>\n  <row>" + c.letters + "</row>\n</k>\n");
    xml::Document doc;
    doc.LoadFile(path);
    EXPECT_EQ(doc.Encoding(), c.encoding);
    EXPECT_EQ(doc.DocumentElement().Child(0).Text(), "źółć") << "UTF-8 inside";
    doc.DocumentElement().Child(0).SetText("źółć & <ę>");
    doc.SaveFile(path);
    std::string saved = ReadFileBytes(path);
    EXPECT_NE(saved.find(c.letters + " &amp; &lt;"), std::string::npos) << saved;
    EXPECT_NE(saved.find(std::string("encoding=\"") + c.encoding + "\""), std::string::npos);
  }
}

// An encoding libxml2 reads but cannot write back readably is refused at saving, and the file on
// disk stays as it was.
TEST(XmlDocument, SaveThatCouldNotBeReadBackIsRefused) {
  TempDir dir;
  const std::string original = "<?xml version=\"1.0\" encoding=\"UTF-7\"?>\n<k>\n</k>\n";
  std::string path = dir.Write("k.xml", original);
  xml::Document doc;
  doc.LoadFile(path);
  doc.DocumentElement().AppendChild("row").SetText("1");
  EXPECT_THROW(doc.SaveText(), xml::Error);
  EXPECT_THROW(doc.SaveFile(path), xml::Error);
  EXPECT_EQ(ReadFileBytes(path), original);
}

TEST(XmlDocument, FileWithoutDeclarationIsSavedAsUtf8) {
  xml::Document doc;
  doc.LoadText("<k><row>ż</row></k>");
  EXPECT_EQ(doc.Encoding(), "UTF-8");
  EXPECT_NE(doc.SaveText().find("<row>\xC5\xBC</row>"), std::string::npos);
}

TEST(XmlDocument, AppendedElementsAreIndentedOncePerLevel) {
  xml::Document doc;
  doc.SetIndentString("   ");
  doc.LoadText("<?xml version=\"1.0\"?>\n<k>\n  <row><field name=\"a\">1</field></row>\n</k>\n");
  xml::Element row = doc.DocumentElement().AppendChild("row");
  xml::Element field = row.AppendChild("field");
  field.SetAttribute("name", "a");
  field.SetText("2");
  row.AppendChild("field").SetText("3");
  EXPECT_EQ(
      doc.SaveText(),
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<k>\n  <row><field name=\"a\">1</field></row>\n"
      "   <row>\n      <field name=\"a\">2</field>\n      <field>3</field>\n   </row>\n"
      "</k>\n");
}

TEST(XmlDocument, AppendWithoutAutoIndentAddsNoWhitespace) {
  xml::Document doc;
  doc.SetAutoIndent(false);
  doc.LoadText("<k/>");
  doc.DocumentElement().AppendChild("row").AppendChild("field");
  EXPECT_EQ(doc.SaveText(),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<k><row><field/></row></k>\n");
}

// A removed record takes its indentation along, so the file keeps one record per line.
TEST(XmlDocument, RemovedElementsTakeTheirIndentationAlong) {
  const std::string head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  for (int index : {0, 1, 2}) {
    SCOPED_TRACE(index);
    xml::Document doc;
    doc.LoadText(head + "<k>\n  <r>0</r>\n  <r>1</r>\n  <r>2</r>\n</k>\n");
    xml::Element row = doc.DocumentElement().Child(index);
    row.Remove();
    EXPECT_TRUE(row.IsNull());
    std::string expected = head + "<k>\n";
    for (int i = 0; i < 3; ++i)
      if (i != index) expected += "  <r>" + std::to_string(i) + "</r>\n";
    EXPECT_EQ(doc.SaveText(), expected + "</k>\n");
  }
}

TEST(XmlDocument, CreatedDocumentDeclaresItsEncoding) {
  xml::Document doc;
  xml::Element root = doc.Create("zestaw", "ISO-8859-2");
  root.AppendChild("Nazwa").SetText("Łódź");
  std::string text = doc.SaveText();
  EXPECT_EQ(text.rfind("<?xml version=\"1.0\" encoding=\"ISO-8859-2\"?>", 0), 0u) << text;
  EXPECT_NE(text.find("\xA3\xF3\x64\xBC"), std::string::npos) << "Łódź in ISO-8859-2";
}

TEST(AtomicFile, FailedWriteLeavesTheOldFileAndNoLeftovers) {
  TempDir dir;
  const std::string path = dir.Write("projekt.xml", "stara zawartość");
  {
    FileSizeLimit limit(64);
    EXPECT_THROW(xml::WriteFileAtomically(path, std::string(4096, 'x')), xml::Error);
  }
  EXPECT_EQ(ReadFileBytes(path), "stara zawartość");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                          std::filesystem::directory_iterator()),
            1)
      << "no temporary file stays behind";
}

TEST(AtomicFile, ReplacesWholeAndKeepsTheMode) {
  TempDir dir;
  const std::string path = dir.Write("a.xml", "stare");
  std::filesystem::permissions(path, std::filesystem::perms(0640));
  xml::WriteFileAtomically(path, "nowe");
  EXPECT_EQ(ReadFileBytes(path), "nowe");
  EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms(0640));
  EXPECT_THROW(xml::WriteFileAtomically(dir.File("brak/a.xml"), "x"), xml::Error);
}

}  // namespace
