#include "report/craport.h"

#include <hpdf.h>
#include <iconv.h>

#include <QDate>
#include <QLocale>
#include <QString>
#include <cerrno>
#include <cmath>

#include "engine/numtext.h"
#include "platform/message_box.h"
#include "xml/atomic_file.h"
#include "xml/xmldoc.h"

namespace {

const char* const kTimes = "Times-Roman";
const char* const kHelvetica = "Helvetica";
const char* const kHelveticaBold = "Helvetica-Bold";
const char* const kHelveticaBoldOblique = "Helvetica-BoldOblique";
const char* const kEncoding = "CP1250";

// Chart frames: 515 points wide, the vertical axis 35 points in from the left edge, the bars'
// zero line 40 points above the frame's bottom.
constexpr float kChartWidth = 515;
constexpr float kChartAxis = 35;
constexpr float kChartZero = 40;

int Trunc(double value) {
  return static_cast<int>(value);
}

// Length of the UTF-8 sequence that starts with byte c (1 for a stray byte).
size_t SequenceLength(unsigned char c) {
  if (c >= 0xF0 && c < 0xF8) return 4;
  if (c >= 0xE0) return c < 0xF0 ? 3 : 1;
  if (c >= 0xC0) return 2;
  return 1;
}

}  // namespace

const char* const CRaport::kBrandText = "Raport programu Vindargast";

std::string ToCp1250(const std::string& utf8) {
  iconv_t cd = iconv_open("CP1250", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) return utf8;
  std::string out;
  out.reserve(utf8.size());
  size_t at = 0;
  while (at < utf8.size()) {
    // One character at a time, so that one the code page lacks costs only itself.
    const size_t length =
        std::min(SequenceLength(static_cast<unsigned char>(utf8[at])), utf8.size() - at);
    char in[4];
    utf8.copy(in, length, at);
    char buffer[8];
    char* inPtr = in;
    size_t inLeft = length;
    char* outPtr = buffer;
    size_t outLeft = sizeof buffer;
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1)) {
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
      out.push_back('?');
    } else {
      out.append(buffer, static_cast<size_t>(outPtr - buffer));
    }
    at += length;
  }
  iconv_close(cd);
  return out;
}

CRaport::CRaport(std::string logoFile) : logoFile_(std::move(logoFile)) {
  Document = HPDF_New(nullptr, nullptr);
  if (!Document) {
    platform::MessageBox(QStringLiteral("Nie można było wygenerować raportu !!!"),
                         QStringLiteral("Komunikat"), platform::Icon::Warning,
                         platform::Buttons::Ok);
    return;
  }
  HPDF_SetCompressionMode(Document, HPDF_COMP_NONE);
  // The outline titles are written through the UTF-8 encoder.
  HPDF_UseUTFEncodings(Document);
}

CRaport::~CRaport() {
  Release();
}

void CRaport::Release() {
  if (Document) HPDF_Free(Document);
  Document = nullptr;
  Page = OutlineRoot = ChapterOutline = Font = logo_ = nullptr;
  ChapterDestination = nullptr;
}

std::string CRaport::Bytes() {
  const char* const failure = "Nie można było wygenerować raportu !!!";
  if (!Document || HPDF_SaveToStream(Document) != HPDF_OK) throw ReportSaveError(failure);
  HPDF_ResetStream(Document);
  std::string bytes(HPDF_GetStreamSize(Document), '\0');
  HPDF_UINT32 size = static_cast<HPDF_UINT32>(bytes.size());
  const HPDF_STATUS read =
      HPDF_ReadFromStream(Document, reinterpret_cast<HPDF_BYTE*>(bytes.data()), &size);
  // The whole stream read ends on its end-of-stream status.
  if ((read != HPDF_OK && read != HPDF_STREAM_EOF) || size != bytes.size())
    throw ReportSaveError(failure);
  return bytes;
}

void CRaport::SaveToFile(const std::string& fileName) {
  std::string bytes;
  try {
    bytes = Bytes();
  } catch (...) {
    Release();
    throw;
  }
  Release();
  try {
    xml::WriteFileAtomically(fileName, bytes);
  } catch (const xml::Error& error) {
    throw ReportSaveError(error.what());
  }
}

void CRaport::CreateOutlineRoot(const std::string& text) {
  OutlineRoot =
      HPDF_CreateOutline(Document, nullptr, text.c_str(), HPDF_GetEncoder(Document, "UTF-8"));
  HPDF_Outline_SetOpened(OutlineRoot, HPDF_TRUE);
}

void CRaport::AddChapterOutline(const std::string& text) {
  ChapterOutline =
      HPDF_CreateOutline(Document, OutlineRoot, text.c_str(), HPDF_GetEncoder(Document, "UTF-8"));
  ChapterDestination = HPDF_Page_CreateDestination(Page);
  HPDF_Destination_SetXYZ(ChapterDestination, 0, HPDF_Page_GetHeight(Page), 1);
  HPDF_Outline_SetDestination(ChapterOutline, ChapterDestination);
}

void CRaport::NewPage() {
  Font = HPDF_GetFont(Document, kTimes, kEncoding);
  HPDF_SetPageMode(Document, HPDF_PAGE_MODE_USE_OUTLINE);
  Page = HPDF_AddPage(Document);
  HPDF_Page_SetSize(Page, HPDF_PAGE_SIZE_A4, HPDF_PAGE_PORTRAIT);
  PageHeight = HPDF_Page_GetHeight(Page);
  PageWidth = HPDF_Page_GetWidth(Page);
  DrawPageHeader();
  HPDF_Page_SetFontAndSize(Page, Font, 12);
  ++PageCount;
  DrawPageFooter(800);
}

CRaport::Handle CRaport::Logo() {
  if (!logoTried_) {
    logoTried_ = true;
    logo_ = HPDF_LoadJpegImageFromFile(Document, logoFile_.c_str());
    // A logo the library cannot read leaves an error pending that would make every later call
    // and the save fail: the report goes on without the logo.
    if (!logo_) HPDF_ResetError(Document);
  }
  return logo_;
}

void CRaport::DrawPageHeader() {
  HPDF_Page_SetFontAndSize(Page, Font, 11);
  ShowText(LeftMargin, PageHeight - 20, "Nazwa projektu: " + ProjectName);
  ShowText(LeftMargin, PageHeight - 40, "Projektant/instalator: " + Designer);
  ShowText(LeftMargin, PageHeight - 60, "Lokalizacja instalacji: " + Location);
  HPDF_Page_SetFontAndSize(Page, Font, 9);
  HPDF_Page_SetLineWidth(Page, 0);
  HPDF_Page_SetRGBFill(Page, 0, 0, 1);
  WriteUnderlinedText(LeftMargin, 773, WebPage + ", " + Email + " " + Phone);
  if (Handle logo = Logo()) HPDF_Page_DrawImage(Page, logo, 450, 762, 100, 32);
  HPDF_Page_SetRGBFill(Page, 0, 0, 0);
  HPDF_Page_SetFontAndSize(Page, Font, 10);
}

void CRaport::WriteUnderlinedText(float x, float y, const std::string& text) {
  ShowText(x, y - 10, text);
  StrokeLine(x, y - 15, x + PageWidth - 80, y - 15);
}

void CRaport::DrawPageFooter(float bandDistance) {
  const QString date = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
  const std::string dateText = "Data wydruku: " + date.toStdString();
  TextWidth = MeasureText(kBrandText);
  ShowText((PageWidth - TextWidth) * 0.5f, PageHeight - bandDistance - 15, kBrandText);
  StrokeLine(LeftMargin, PageHeight - bandDistance, PageWidth - LeftMargin,
             PageHeight - bandDistance);
  HPDF_Page_SetFontAndSize(Page, Font, 8);
  ShowText(LeftMargin, PageHeight - bandDistance - 14, dateText);
  ShowText(PageWidth - 2 * LeftMargin, PageHeight - bandDistance - 14,
           "Strona " + std::to_string(PageCount));
}

void CRaport::DrawChapterTitle(const std::string& text) {
  SelectFont(kHelveticaBoldOblique, 10);
  TextWidth = MeasureText(text);
  ShowText((PageWidth - TextWidth) * 0.5f, PageHeight - 100, text);
}

void CRaport::SelectFont(const char* name, float size) {
  Font = HPDF_GetFont(Document, name, kEncoding);
  HPDF_Page_SetFontAndSize(Page, Font, size);
}

void CRaport::ShowText(float x, float y, const std::string& text) {
  HPDF_Page_BeginText(Page);
  HPDF_Page_MoveTextPos(Page, x, y);
  HPDF_Page_ShowText(Page, ToCp1250(text).c_str());
  HPDF_Page_EndText(Page);
}

float CRaport::MeasureText(const std::string& text) {
  return HPDF_Page_TextWidth(Page, ToCp1250(text).c_str());
}

void CRaport::StrokeLine(float x1, float y1, float x2, float y2) {
  HPDF_Page_MoveTo(Page, x1, y1);
  HPDF_Page_LineTo(Page, x2, y2);
  HPDF_Page_Stroke(Page);
}

void CRaport::WriteText(float y, float x, const std::string& text) {
  SelectFont(kHelvetica, 9);
  ShowText(LeftMargin + TextInset + x, PageHeight - y, text);
}

void CRaport::WriteParameterRow(float y, const std::string& label, const std::string& value,
                                const std::string& unit) {
  SelectFont(kHelvetica, 9);
  const float left = LeftMargin + TextInset;
  ShowText(left, PageHeight - y, label);
  ShowText(left + 230, PageHeight - y, value);
  ShowText(left + 310, PageHeight - y, unit);
}

void CRaport::WriteEmissionRow(float y, const std::string& label, const std::string& value,
                               const std::string& unit) {
  SelectFont(kHelvetica, 10);
  const float left = LeftMargin + TextInset;
  ShowText(left + 100, PageHeight - y, label);
  ShowText(left + 230, PageHeight - y, value);
  ShowText(left + 310, PageHeight - y, unit);
}

void CRaport::WriteCostTriple(float y, float x, const std::string& name, const std::string& amount,
                              const std::string& unit) {
  SelectFont(kHelvetica, 10);
  const float left = LeftMargin + TextInset + x;
  ShowText(left, PageHeight - y, name);
  ShowText(left + 30, PageHeight - y, amount);
  ShowText(left + 75, PageHeight - y, unit);
}

void CRaport::WriteNumberColumn(float y, float x, int count, const float* values) {
  SelectFont(kHelvetica, 9);
  for (int i = 0; i < count; ++i) {
    ShowText(LeftMargin + TextInset + x, Trunc(PageHeight - y - i * RowHeight),
             GeneralText(values[i], 5, 0));
  }
}

void CRaport::WriteTextColumn(float y, float x, int count, const std::string* texts) {
  SelectFont(kHelvetica, 9);
  TextInset = 2;
  for (int i = 0; i < count; ++i) {
    ShowText(LeftMargin + TextInset + x, Trunc(PageHeight - y - i * RowHeight), texts[i]);
  }
}

void CRaport::WriteBoxedRow(float y, const std::string& label, const std::string& value) {
  SelectFont(kHelvetica, 10);
  DrawGrid(2, 1, Trunc(PageHeight - y));
  const int bottom = Trunc(PageHeight - y - RowHeight);
  ShowText(LeftMargin + TextInset, bottom + 3, label);
  ShowText(LeftMargin + ColumnWidth + TextInset, bottom + 3, value);
}

void CRaport::DrawGrid(int columns, int rows, int top) {
  int right = Trunc(LeftMargin);
  for (int i = 0; i <= columns; ++i) {
    right = Trunc(i * ColumnWidth + LeftMargin);
    StrokeLine(right, top, right, top - rows * RowHeight);
  }
  for (int i = 0; i <= rows; ++i) {
    const int y = top - i * RowHeight;
    StrokeLine(LeftMargin, y, right, y);
  }
}

void CRaport::DrawSectionBand(float x, float y) {
  HPDF_Page_SetLineWidth(Page, 0.5);
  HPDF_Page_SetRGBStroke(Page, 0, 0, 0);
  HPDF_Page_SetRGBFill(Page, 0.7f, 0.7f, 0.7f);
  HPDF_Page_Rectangle(Page, x, PageHeight - y, PageWidth - 2 * LeftMargin, 16);
  HPDF_Page_FillStroke(Page);
}

void CRaport::DrawSectionHeading(float x, float y, const std::string& text) {
  SelectFont(kHelveticaBold, 10);
  DrawSectionBand(x, y);
  HPDF_Page_SetRGBFill(Page, 0, 0, 0);
  ShowText(x + LeftMargin, PageHeight - y + 4, text);
}

void CRaport::DrawHeaderCells(int count, float y, const std::string* texts) {
  SelectFont(kHelvetica, 8);
  const float top = PageHeight - y;
  const float bottom = top - 40;
  for (int i = 0; i < count; ++i) {
    const float left = LeftMargin + 50 * i;
    HPDF_Page_SetRGBStroke(Page, 0, 0, 0);
    HPDF_Page_SetRGBFill(Page, 0.9f, 0.9f, 0.9f);
    HPDF_Page_Rectangle(Page, left, bottom, 50, 40);
    HPDF_Page_FillStroke(Page);
    HPDF_Page_SetRGBFill(Page, 0, 0, 0);
    // The library lays a text out in a box only inside a text object.
    HPDF_Page_BeginText(Page);
    HPDF_Page_TextRect(Page, left, i == 0 ? top - 15 : top - 5, left + 50, bottom,
                       ToCp1250(texts[i]).c_str(), HPDF_TALIGN_CENTER, nullptr);
    HPDF_Page_EndText(Page);
  }
}

void CRaport::DrawChartFrame(float x, float y, float height) {
  HPDF_Page_SetLineWidth(Page, 1);
  HPDF_Page_MoveTo(Page, x, y);
  HPDF_Page_LineTo(Page, x + kChartWidth, y);
  HPDF_Page_LineTo(Page, x + kChartWidth, y + height);
  HPDF_Page_LineTo(Page, x, y + height);
  HPDF_Page_LineTo(Page, x, y);
  HPDF_Page_MoveTo(Page, x + kChartAxis, y + kChartZero);
  HPDF_Page_LineTo(Page, x + kChartAxis, y + height);
  HPDF_Page_Stroke(Page);
}

void CRaport::DrawChartGridLine(float x, float y) {
  HPDF_Page_SetLineWidth(Page, 0.2f);
  StrokeLine(x + kChartAxis, y, x + kChartWidth, y);
}

void CRaport::DrawGainChartGrid(float x, float y) {
  DrawChartFrame(LeftMargin + x, y, 240);
  for (int k = 0; k <= 10; ++k) DrawChartGridLine(LeftMargin + x, y + 40 + 20 * k);
}

void CRaport::DrawCoverageChartGrid(float x, float y) {
  DrawChartFrame(LeftMargin + x, y, 245);
  for (int k = 0; k <= 10; ++k) DrawChartGridLine(LeftMargin + x, y + 40 + 20 * k);
}

void CRaport::DrawEfficiencyChartGrid(float x, float y) {
  DrawChartFrame(LeftMargin + x, y, 140);
  for (int k = 0; k < 10; ++k) DrawChartGridLine(LeftMargin + x, y + 40 + 10 * k);
}

void CRaport::WriteChartLabel(float x, float y, const std::string& text) {
  SelectFont(kHelvetica, 8);
  HPDF_Page_SetRGBFill(Page, 0, 0, 0);
  ShowText(x + LeftMargin + 5, y - 2, text);
}

void CRaport::WriteChartTitle(float x, float y, const std::string& text) {
  SelectFont(kHelvetica, 9);
  HPDF_Page_SetRGBFill(Page, 0, 0, 0);
  ShowText(x + LeftMargin + 5, y, text);
}

void CRaport::DrawBar(const BarStyle& style, float x, float y, float height) {
  HPDF_Page_SetLineWidth(Page, 0.5);
  HPDF_Page_SetRGBStroke(Page, 0, 0, 0);
  HPDF_Page_SetRGBFill(Page, style.red, style.green, style.blue);
  HPDF_Page_Rectangle(Page, x + LeftMargin + kChartAxis + style.offset, y + kChartZero, 10, height);
  HPDF_Page_FillStroke(Page);
}
