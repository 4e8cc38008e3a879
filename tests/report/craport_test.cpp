// The PDF page writer, read back with pdfinfo, pdftotext, pdffonts, pdfimages and qpdf: pages,
// header and footer, outline, fonts, the logo and how a save that fails is handled.
#include "report/craport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "file_size_limit.h"
#include "pdf_tools.h"
#include "platform/scripted_dialogs.h"
#include "qt_app.h"
#include "temp_dir.h"

namespace {

const std::string kLogo = std::string(VINDARGAST_DATA) + "/Grafika/logowydruk.jpg";

// A document of the given chapter pages, each with a title and one text of every font.
void DrawPages(CRaport& report, const std::vector<std::string>& titles) {
  report.ProjectName = "Dom pod Łodzią";
  report.Designer = "Józef Żółć";
  report.Location = "Gdańsk";
  report.WebPage = "www.example.pl";
  report.Email = "biuro@example.pl";
  report.Phone = "600 100 200";
  report.CreateOutlineRoot("Spis treści");
  for (const std::string& title : titles) {
    report.NewPage();
    report.AddChapterOutline(title);
    report.DrawChapterTitle(title);
    report.DrawSectionHeading(report.LeftMargin, 120, "Ciepła woda");
    report.WriteText(150, 0, "Źródło ciepła: gaz ziemny");
    report.WriteBoxedRow(170, "Pochylenie kolektorów [°]", "45");
  }
}

class CRaportTest : public testing::Test {
 protected:
  void SetUp() override { EnsureApplication(); }
  platform::ScriptedDialogs dialogs;
  TempDir dir;
};

TEST_F(CRaportTest, PagesHeadersFootersOutlineAndFontsReadBack) {
  const std::string file = dir.File("raport.pdf");
  {
    CRaport report(kLogo);
    ASSERT_TRUE(report.HasDocument());
    DrawPages(report, {"Obliczenia cieplne", "Zwrot z inwestycji i efekt ekologiczny", "Wykresy"});
    report.SaveToFile(file);
  }
  const PdfInfo info = ReadPdfInfo(file);
  ASSERT_TRUE(info.valid);
  EXPECT_EQ(info.pages, 3);
  EXPECT_NEAR(info.width, 595.276, 0.001);
  EXPECT_NEAR(info.height, 841.89, 0.001);

  const char* titles[3] = {"Obliczenia cieplne", "Zwrot z inwestycji i efekt ekologiczny",
                           "Wykresy"};
  for (int page = 1; page <= 3; ++page) {
    const QString text = PageText(file, page);
    EXPECT_TRUE(text.contains(QString::fromUtf8("Nazwa projektu: Dom pod Łodzią"))) << page;
    EXPECT_TRUE(text.contains(QString::fromUtf8("Projektant/instalator: Józef Żółć"))) << page;
    EXPECT_TRUE(text.contains(QString::fromUtf8("Lokalizacja instalacji: Gdańsk"))) << page;
    EXPECT_TRUE(text.contains("www.example.pl, biuro@example.pl 600 100 200")) << page;
    EXPECT_TRUE(text.contains(QString::fromUtf8(titles[page - 1]))) << page;
    EXPECT_TRUE(text.contains(QString::fromUtf8("Źródło ciepła: gaz ziemny"))) << page;
    EXPECT_TRUE(text.contains(QString::fromUtf8("Pochylenie kolektorów [°]"))) << page;
    EXPECT_TRUE(text.contains("Strona " + QString::number(page))) << page;
    EXPECT_TRUE(text.contains("Data wydruku: ")) << page;
    EXPECT_TRUE(text.contains(CRaport::kBrandText)) << page;
  }

  const std::vector<OutlineEntry> outline = Outlines(file);
  ASSERT_EQ(outline.size(), 1u);
  EXPECT_EQ(outline[0].title, QString::fromUtf8("Spis treści"));
  ASSERT_EQ(outline[0].kids.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(outline[0].kids[i].title, QString::fromUtf8(titles[i])) << i;
    EXPECT_EQ(outline[0].kids[i].page, i + 1) << i;
  }
  EXPECT_EQ(PageMode(file), "/UseOutlines");

  const std::set<QString> fonts = FontNames(file);
  EXPECT_EQ(fonts, (std::set<QString>{"Times-Roman", "Helvetica", "Helvetica-Bold",
                                      "Helvetica-BoldOblique"}));
  // One logo object, placed on every page.
  const std::vector<int> images = ImageObjects(file);
  ASSERT_EQ(images.size(), 3u);
  EXPECT_EQ(images[0], images[1]);
  EXPECT_EQ(images[1], images[2]);
}

TEST_F(CRaportTest, LogoThatCannotBeReadLeavesThePagesWithoutIt) {
  struct Case {
    const char* name;
    std::string logo;
  };
  const Case cases[] = {
      {"missing", dir.File("Grafika/brak.jpg")},
      {"not a JPEG", dir.Write("Grafika/logowydruk.jpg", "to nie jest obraz")},
      {"a folder", dir.path().string()},
  };
  for (const Case& c : cases) {
    const std::string file = dir.File(std::string("raport-") + c.name + ".pdf");
    {
      CRaport report(c.logo);
      DrawPages(report, {"Wykresy", "Obliczenia cieplne"});
      EXPECT_NO_THROW(report.SaveToFile(file)) << c.name;
    }
    const PdfInfo info = ReadPdfInfo(file);
    EXPECT_TRUE(info.valid) << c.name;
    EXPECT_EQ(info.pages, 2) << c.name;
    EXPECT_TRUE(PageText(file, 2).contains("Strona 2")) << c.name;
    EXPECT_TRUE(ImageObjects(file).empty()) << c.name;
    EXPECT_EQ(Outlines(file).at(0).kids.size(), 2u) << c.name;
  }
}

TEST_F(CRaportTest, HeaderCellsAreLaidOutCentredAndWrapped) {
  const std::string file = dir.File("naglowki.pdf");
  {
    CRaport report(kLogo);
    DrawPages(report, {"Obliczenia cieplne"});
    const std::string texts[3] = {"Miesiąc", "Energia na CWU       [kWh]",
                                  "Sprawność kolektorów  [%]"};
    report.DrawHeaderCells(3, 576, texts);
    report.SaveToFile(file);
  }
  ASSERT_TRUE(ReadPdfInfo(file).valid);
  const QString text = PageText(file, 1);
  for (const char* word : {"Miesiąc", "Energia", "[kWh]", "Sprawność", "kolektorów"})
    EXPECT_TRUE(text.contains(QString::fromUtf8(word))) << word;
}

TEST_F(CRaportTest, AFailedSaveIsReportedAndKeepsTheEarlierReport) {
  const std::string blocker = dir.Write("plik", "zwykły plik");
  const std::string earlier = dir.Write("raport.pdf", "poprzedni raport");
  struct Case {
    const char* name;
    std::string target;
    bool fullDisk;
  };
  const Case cases[] = {
      {"folder that is a file", blocker + "/raport.pdf", false},
      {"missing folder", dir.File("brak/raport.pdf"), false},
      {"full disk", earlier, true},
  };
  for (const Case& c : cases) {
    CRaport report(kLogo);
    DrawPages(report, {"Wykresy"});
    try {
      std::unique_ptr<FileSizeLimit> limit;
      if (c.fullDisk) limit = std::make_unique<FileSizeLimit>(100);
      report.SaveToFile(c.target);
      ADD_FAILURE() << c.name << ": no error";
    } catch (const ReportSaveError& error) {
      EXPECT_NE(std::string(error.what()).find("Nie można zapisać pliku"), std::string::npos)
          << c.name << ": " << error.what();
    }
    EXPECT_EQ(ReadFileBytes(earlier), "poprzedni raport") << c.name;
  }
  // No temporary file is left behind.
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
    (void)entry;
    ++files;
  }
  EXPECT_EQ(files, 2);
}

TEST_F(CRaportTest, ADocumentTheLibraryRefusesIsReportedAndWritesNothing) {
  // A text longer than the library takes for one string leaves the document unwritable.
  CRaport report(kLogo);
  DrawPages(report, {"Wykresy"});
  report.WriteText(300, 0, std::string(70000, 'x'));
  const std::string file = dir.File("raport.pdf");
  try {
    report.SaveToFile(file);
    ADD_FAILURE() << "no error";
  } catch (const ReportSaveError& error) {
    EXPECT_STREQ(error.what(), "Nie można było wygenerować raportu !!!");
  }
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST(Cp1250Text, PolishLettersMapAndOthersBecomeQuestionMarks) {
  EXPECT_EQ(ToCp1250("ąćęłńóśźż ĄĆĘŁŃÓŚŹŻ °"),
            "\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF \xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF \xB0");
  EXPECT_EQ(ToCp1250("a中b"), "a?b");
  EXPECT_EQ(ToCp1250(std::string("x\xFFy")), "x?y");
}

}  // namespace
