// The spreadsheet export of an offer, read back from the written .xlsx: the producer's offer from
// a real MariaDB server, the file name, and a target that cannot be written.
#include <gtest/gtest.h>

#include <QDir>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "file_size_limit.h"
#include "online/eksport_xlsx.h"
#include "platform/message_box.h"
#include "platform/scripted_dialogs.h"
#include "producers_fixture.h"
#include "xlsx_reader.h"

namespace {

const char* const kFailure = "Nie udało się stworzyc pliku Excela !!!";
const char* const kSuccess = "Dane zostały pomyślnie zapisane do pliku: ";

// The files of a folder, sorted.
std::vector<std::string> Files(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

class OfferExportTest : public ProducersTest {
 protected:
  // Shows the producer's offer and exports it under the name the save dialog is answered with;
  // the export ends in the success message naming the file written, or else in the warning.
  void Export(int producer, const QString& name, const std::optional<std::string>& written) {
    offer_->ProducerId = producer;
    offer_->show();
    dialogs_.ExpectSaveFile(name);
    if (written) {
      dialogs_.ExpectBox("Informacja",
                         QString::fromUtf8(kSuccess) + QString::fromStdString(*written),
                         platform::Icon::Information);
    } else {
      dialogs_.ExpectBox("Uwaga", QString::fromUtf8(kFailure), platform::Icon::Stop);
    }
    offer_->ui().BitBtn1->click();
    EXPECT_EQ(dialogs_.Pending(), 0u);
    offer_->close();
  }

  TempDir dir_;
  platform::ScriptedDialogs dialogs_;
};

// Seven sheets in page order, each with its grid's titles on grey in row 1 and its widths; one
// row per record with the fields' plain texts (no price format), in the grid's font; a kind the
// producer has none of gives the title row alone.
TEST_F(OfferExportTest, WritesOneSheetPerDeviceKindWithTheGridsColumnsAndPlainTexts) {
  const std::string path = dir_.File("oferta.xlsx");
  Export(1, QString::fromStdString(dir_.File("oferta")), path);
  EXPECT_EQ(Files(dir_.path()), std::vector<std::string>{"oferta.xlsx"});

  const std::vector<xlsx::Sheet> sheets = xlsx::Read(path);
  ASSERT_EQ(sheets.size(), std::size(kOfferGrids));
  const QFont font = offer_->ui().DBGrid1->font();
  for (size_t s = 0; s < sheets.size(); ++s) {
    const xlsx::Sheet& sheet = sheets[s];
    const GridWant& want = kOfferGrids[s];
    SCOPED_TRACE(want.page);
    EXPECT_EQ(sheet.name, want.page);
    ASSERT_TRUE(sheet.cells.count(1));
    const auto& titles = sheet.cells.at(1);
    EXPECT_EQ(titles.size(), want.columns.size());
    EXPECT_EQ(sheet.heights.at(1), 20);
    for (size_t c = 0; c < want.columns.size(); ++c) {
      const int column = int(c) + 1;
      ASSERT_TRUE(titles.count(column)) << "column " << column;
      const xlsx::Cell& title = titles.at(column);
      EXPECT_EQ(title.text, want.columns[c].first);
      EXPECT_EQ(title.style.fill, "solid");
      EXPECT_EQ(title.style.fillRgb, "FFC0C0C0");
      EXPECT_EQ(title.style.fontName, font.family().toStdString());
      EXPECT_EQ(title.style.fontSize, font.pointSizeF());
      EXPECT_EQ(sheet.widths.at(column), want.columns[c].second / 7) << want.columns[c].first;
    }
  }

  // Collectors: three records in rows 2 to 4 and nothing in row 5; the price is the field's
  // plain number, the formatted coefficients the query's texts. A field that is a number is a
  // number cell of the same value ("80.00" is 80; the file may write 79.6 as 79.59999999999999).
  const xlsx::Sheet& collectors = sheets[0];
  ASSERT_EQ(collectors.cells.size(), 4u);
  EXPECT_EQ(collectors.cells.count(5), 0u);
  const struct {
    const char* text;
    bool number;
  } first[] = {{"płaski", false}, {"PD-230 Selekt", false}, {"3.78", true},
               {"0.015", true},   {"79.6", true},           {"80", true},
               {"18", true},      {"1.45", true},           {"2.12", true},
               {"1890", true}};
  for (size_t c = 0; c < std::size(first); ++c) {
    const xlsx::Cell& cell = collectors.cells.at(2).at(int(c) + 1);
    EXPECT_EQ(cell.IsNumber(), first[c].number) << "column " << c + 1;
    if (first[c].number) {
      EXPECT_EQ(xlsx::Number(cell.text), xlsx::Number(first[c].text)) << "column " << c + 1;
    } else {
      EXPECT_EQ(cell.text, first[c].text) << "column " << c + 1;
    }
    EXPECT_EQ(cell.style.fill, "none");
    EXPECT_EQ(cell.style.fontName, font.family().toStdString());
  }
  EXPECT_FALSE(collectors.cells.at(1).at(10).IsNumber()) << "a title is a text";
  EXPECT_EQ(collectors.cells.at(3).at(2).text, "PD-250");
  EXPECT_EQ(xlsx::Number(collectors.cells.at(3).at(10).text), 12345.678);
  EXPECT_TRUE(collectors.cells.at(3).at(10).IsNumber());
  EXPECT_EQ(collectors.cells.at(4).at(2).text, "PD-300 Łuk");
  for (int row = 2; row <= 4; ++row) EXPECT_EQ(collectors.heights.at(row), 16);
  // No tanks: the title row alone. One structure, found by its producer.
  EXPECT_EQ(sheets[1].cells.size(), 1u);
  ASSERT_EQ(sheets[6].cells.size(), 2u);
  EXPECT_EQ(sheets[6].cells.at(2).at(1).text, "PD-Stelaż 3");
  EXPECT_EQ(sheets[6].cells.at(2).at(8).text, "1150");
  EXPECT_TRUE(sheets[6].cells.at(2).at(8).IsNumber());
}

// A field whose whole text is a number is a number cell, to be summed and sorted; every other
// text stays a text cell as written, where a spreadsheet would change or drop a part of it.
TEST(OfferWorkbook, AFieldThatIsANumberIsANumberCellAndEveryOtherTextStaysText) {
  const struct {
    const char* field;
    bool number;
  } cases[] = {
      {"500.00", true},
      {"5390", true},
      {"-2.5", true},
      {"0.015", true},
      {"12345.678", true},
      {"0", true},
      {"79.6", true},
      {"0123", false},
      {"+5", false},
      {" 5", false},
      {"1e5", false},
      {"inf", false},
      {"nan", false},
      {"1,5", false},
      {"1234567890123456", false},
      {"PD-230", false},
      {"https://pd.example/230", false},
  };
  TempDir dir;
  OfferSheet sheet;
  sheet.name = QStringLiteral("Kolektory słoneczne");
  sheet.font = QFont(QStringLiteral("Arial"), 8);
  QStringList fields;
  for (const auto& c : cases) {
    sheet.columns.push_back({QString::fromUtf8(c.field), 70});
    fields << QString::fromUtf8(c.field);
  }
  fields << QString();  // an empty field leaves its cell empty
  sheet.columns.push_back({QStringLiteral("pusta"), 70});
  sheet.rows = {fields};
  const std::string path = dir.File("oferta.xlsx");
  WriteOfferWorkbook(QString::fromStdString(path), {sheet});

  const std::vector<xlsx::Sheet> sheets = xlsx::Read(path);
  ASSERT_EQ(sheets.size(), 1u);
  const auto& row = sheets[0].cells.at(2);
  EXPECT_EQ(row.size(), std::size(cases));
  for (size_t k = 0; k < std::size(cases); ++k) {
    SCOPED_TRACE(std::string("field '") + cases[k].field + "'");
    ASSERT_TRUE(row.count(int(k) + 1));
    const xlsx::Cell& cell = row.at(int(k) + 1);
    EXPECT_EQ(cell.IsNumber(), cases[k].number) << "type '" << cell.type << "'";
    if (cases[k].number) {
      EXPECT_EQ(xlsx::Number(cell.text), xlsx::Number(cases[k].field));
    } else {
      EXPECT_EQ(cell.text, cases[k].field);
    }
  }
}

// ".xlsx" is added only when the chosen name lacks it; the success message names the file
// written, and an older file of that name is replaced.
TEST_F(OfferExportTest, TheExtensionIsAddedOnlyWhenTheNameLacksIt) {
  const struct {
    const char* chosen;
    const char* written;
  } cases[] = {
      {"x", "x.xlsx"},
      {"x.xlsx", "x.xlsx"},
      {"Y.XLSX", "Y.XLSX"},
      {"z.xls", "z.xls.xlsx"},
  };
  dir_.Write("x.xlsx", "an older file");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.chosen);
    Export(2, QString::fromStdString(dir_.File(c.chosen)), dir_.File(c.written));
    const std::vector<xlsx::Sheet> sheets = xlsx::Read(dir_.File(c.written));
    ASSERT_EQ(sheets.size(), 7u);
    EXPECT_EQ(sheets[0].cells.at(2).at(2).text, "BS-20");
  }
  EXPECT_EQ(Files(dir_.path()), (std::vector<std::string>{"Y.XLSX", "x.xlsx", "z.xls.xlsx"}));
}

// A workbook that cannot be written whole gets the warning and no success message; an older
// file of that name stays as it was and no temporary file is left behind.
TEST_F(OfferExportTest, AnUnwritableTargetKeepsTheOlderFileAndShowsNoSuccess) {
  const std::string older = "an older workbook";
  dir_.Write("stara.xlsx", older);
  {
    // Room for the older file, not for a workbook.
    FileSizeLimit limit(1024);
    Export(1, QString::fromStdString(dir_.File("stara")), std::nullopt);
  }
  EXPECT_EQ(ReadFileBytes(dir_.File("stara.xlsx")), older);
  EXPECT_EQ(Files(dir_.path()), std::vector<std::string>{"stara.xlsx"});

  // An older file marked read-only.
  std::filesystem::permissions(dir_.path() / "stara.xlsx", std::filesystem::perms::owner_read |
                                                               std::filesystem::perms::group_read |
                                                               std::filesystem::perms::others_read);
  Export(1, QString::fromStdString(dir_.File("stara.xlsx")), std::nullopt);
  EXPECT_EQ(ReadFileBytes(dir_.File("stara.xlsx")), older);
  EXPECT_EQ(Files(dir_.path()), std::vector<std::string>{"stara.xlsx"});

  // A folder that does not exist.
  Export(1, QString::fromStdString(dir_.File("brak/oferta")), std::nullopt);
  EXPECT_FALSE(std::filesystem::exists(dir_.path() / "brak"));

  // The user cancels the dialog: nothing is written, no message.
  offer_->show();
  dialogs_.ExpectSaveFile(std::nullopt);
  offer_->ui().BitBtn1->click();
  EXPECT_EQ(Files(dir_.path()), std::vector<std::string>{"stara.xlsx"});
  offer_->close();
}

// A name that is a symbolic link: the file it points to gets the workbook and the link stays.
TEST_F(OfferExportTest, ASaveThroughASymbolicLinkWritesTheLinkedFile) {
  const std::string real = dir_.Write("archiwum/oferta.xlsx", "an older workbook");
  std::filesystem::create_symlink(real, dir_.path() / "skrot.xlsx");
  Export(2, QString::fromStdString(dir_.File("skrot")), dir_.File("skrot.xlsx"));
  EXPECT_TRUE(std::filesystem::is_symlink(dir_.path() / "skrot.xlsx"));
  const std::vector<xlsx::Sheet> sheets = xlsx::Read(real);
  ASSERT_EQ(sheets.size(), 7u);
  EXPECT_EQ(sheets[1].cells.at(2).at(1).text, "BS-Z 300");
  EXPECT_EQ(Files(dir_.path() / "archiwum"), std::vector<std::string>{"oferta.xlsx"});
}

}  // namespace
