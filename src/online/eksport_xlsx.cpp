#include "online/eksport_xlsx.h"

#include <locale.h>
#include <xlsxwriter.h>

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <string>
#include <string_view>

#include "engine/numtext.h"
#include "xml/atomic_file.h"
#include "xml/xmldoc.h"

namespace {

// The spreadsheet's colour index 15 of its standard palette: 25 % grey.
constexpr lxw_color_t kTitleGrey = 0xC0C0C0;
// Row heights in points.
constexpr double kTitleRowHeight = 20;
constexpr double kRecordRowHeight = 16;
// A column's width in characters is its width in pixels divided by this (integer division).
constexpr int kPixelsPerCharacter = 7;

// The library prints the numbers of the file (column widths, row heights, font sizes) with the
// C library's printf, which follows the locale: a Polish locale gives "16,71", which no reader of
// the file takes. For the time of one export this thread prints them in the C locale.
class CNumbers {
 public:
  CNumbers()
      : c_(newlocale(LC_NUMERIC_MASK, "C", nullptr)),
        previous_(c_ ? uselocale(c_) : uselocale(nullptr)) {}
  ~CNumbers() {
    if (!c_) return;
    uselocale(previous_);
    freelocale(c_);
  }
  CNumbers(const CNumbers&) = delete;
  CNumbers& operator=(const CNumbers&) = delete;

 private:
  locale_t c_;
  locale_t previous_;
};

void Check(lxw_error error, const char* what) {
  if (error != LXW_NO_ERROR) throw ExportError(std::string(what) + ": " + lxw_strerror(error));
}

lxw_format* CellFormat(lxw_workbook* workbook, const QFont& font) {
  lxw_format* format = workbook_add_format(workbook);
  if (!format) throw ExportError("no memory for a cell format");
  format_set_font_name(format, font.family().toUtf8().constData());
  if (font.pointSizeF() > 0) format_set_font_size(format, font.pointSizeF());
  return format;
}

void FillSheet(lxw_workbook* workbook, const OfferSheet& sheet) {
  lxw_worksheet* worksheet = workbook_add_worksheet(workbook, sheet.name.toUtf8().constData());
  if (!worksheet) throw ExportError("the sheet \"" + sheet.name.toStdString() + "\" was refused");
  lxw_format* cell = CellFormat(workbook, sheet.font);
  lxw_format* title = CellFormat(workbook, sheet.font);
  format_set_pattern(title, LXW_PATTERN_SOLID);
  format_set_bg_color(title, kTitleGrey);

  for (size_t c = 0; c < sheet.columns.size(); ++c) {
    const auto col = static_cast<lxw_col_t>(c);
    Check(worksheet_set_column(worksheet, col, col, sheet.columns[c].width / kPixelsPerCharacter,
                               cell),
          "column width");
  }
  Check(worksheet_set_row(worksheet, 0, kTitleRowHeight, nullptr), "row height");
  for (size_t c = 0; c < sheet.columns.size(); ++c) {
    Check(worksheet_write_string(worksheet, 0, static_cast<lxw_col_t>(c),
                                 sheet.columns[c].title.toUtf8().constData(), title),
          "title cell");
  }
  for (size_t r = 0; r < sheet.rows.size(); ++r) {
    const auto row = static_cast<lxw_row_t>(r + 1);
    Check(worksheet_set_row(worksheet, row, kRecordRowHeight, nullptr), "row height");
    const QStringList& texts = sheet.rows[r];
    for (int c = 0; c < texts.size() && c < static_cast<int>(sheet.columns.size()); ++c) {
      // An empty field leaves its cell empty.
      if (texts[c].isEmpty()) continue;
      const auto col = static_cast<lxw_col_t>(c);
      const QByteArray text = texts[c].toUtf8();
      // A field that is a number is one in the sheet, to be summed and sorted; any other text
      // (a name, digits with a leading zero, a link) stays as it was.
      double number = 0;
      if (ReadPlainNumber(std::string_view(text.constData(), size_t(text.size())), number)) {
        Check(worksheet_write_number(worksheet, row, col, number, cell), "cell");
      } else {
        Check(worksheet_write_string(worksheet, row, col, text.constData(), cell), "cell");
      }
    }
  }
}

// The file the export replaces: the file a symbolic link points to, so that the link stays.
QString Target(const QString& path) {
  const QFileInfo info(path);
  if (!info.isSymLink()) return path;
  // The end of a chain of links; a link to no file yet names where the file is to be.
  const QString end = info.canonicalFilePath();
  return end.isEmpty() ? info.symLinkTarget() : end;
}

}  // namespace

QString WithXlsxExtension(const QString& name) {
  return name.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive)
             ? name
             : name + QStringLiteral(".xlsx");
}

void WriteOfferWorkbook(const QString& path, const std::vector<OfferSheet>& sheets) {
  const QString target = Target(path);
  // A file the user marked read-only is kept, even where the folder would let it be replaced.
  constexpr QFile::Permissions kWritable =
      QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
  if (QFileInfo::exists(target) && !(QFile::permissions(target) & kWritable))
    throw ExportError("the file is read-only");
  // The library writes the workbook and its own scratch files into a folder of the export's own;
  // the finished file then replaces the target in one step.
  QTemporaryDir scratch;
  if (!scratch.isValid())
    throw ExportError("no temporary folder: " + scratch.errorString().toStdString());
  const QByteArray folder = scratch.path().toUtf8();
  const QByteArray workbookPath = scratch.filePath(QStringLiteral("oferta.xlsx")).toUtf8();
  const CNumbers numbers;
  lxw_workbook_options options{};
  options.tmpdir = const_cast<char*>(folder.constData());
  lxw_workbook* workbook = workbook_new_opt(workbookPath.constData(), &options);
  if (!workbook) throw ExportError("the workbook could not be created");
  try {
    for (const OfferSheet& sheet : sheets) FillSheet(workbook, sheet);
  } catch (...) {
    workbook_close(workbook);
    throw;
  }
  // Closing writes the file: only its result says whether the workbook exists.
  Check(workbook_close(workbook), "writing the workbook");

  QFile written(QString::fromUtf8(workbookPath));
  if (!written.open(QIODevice::ReadOnly)) throw ExportError(written.errorString().toStdString());
  const QByteArray bytes = written.readAll();
  if (bytes.size() != written.size()) throw ExportError("the workbook could not be read back");
  try {
    xml::WriteFileAtomically(target.toStdString(),
                             std::string_view(bytes.constData(), bytes.size()));
  } catch (const xml::Error& error) {
    throw ExportError(error.what());
  }
}
