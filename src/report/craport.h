// The drawing layer of the PDF report: one libharu document per report, A4 pages with the
// repeated header and footer, outline entries per chapter page, and the text, table and chart
// operations the chapters compose their pages from. No other file calls the PDF library.
//
// Texts come in as UTF-8 and are printed in code page 1250 with the four standard fonts; the
// outline titles go through the library's UTF-8 encoder so that viewers show Polish letters.
// Positions of text and table operations are y from the top edge of the page; chart operations
// take plain page coordinates from the bottom edge. Units are PDF points.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

// A report that could not be turned into a file; what() is the Polish message for the user.
// The library's handle types, opaque outside the page writer's source file.
struct _HPDF_Doc_Rec;
struct _HPDF_Dict_Rec;
struct _HPDF_Array_Rec;

class ReportSaveError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class CRaport {
 public:
  // logoFile: the JPEG printed in every page's header; a logo that cannot be read leaves the
  // header without it. When the document cannot be created the object says so in a message box
  // and holds no document (HasDocument() is false).
  explicit CRaport(std::string logoFile);
  ~CRaport();
  CRaport(const CRaport&) = delete;
  CRaport& operator=(const CRaport&) = delete;

  bool HasDocument() const { return Document != nullptr; }

  // The whole document as PDF bytes; throws ReportSaveError when the library cannot write it.
  std::string Bytes();
  // Writes the document whole to fileName (a temporary file in the same folder, renamed over the
  // target when complete) and releases it; throws ReportSaveError with the Polish message when
  // that fails, leaving an earlier file of that name as it was. The document is released on
  // either path; no other operation may follow.
  void SaveToFile(const std::string& fileName);

  void CreateOutlineRoot(const std::string& text);
  void AddChapterOutline(const std::string& text);

  void NewPage();
  void DrawChapterTitle(const std::string& text);

  // Text and table operations; y from the top edge, x added to LeftMargin + TextInset.
  void WriteText(float y, float x, const std::string& text);
  void WriteParameterRow(float y, const std::string& label, const std::string& value,
                         const std::string& unit);
  void WriteEmissionRow(float y, const std::string& label, const std::string& value,
                        const std::string& unit);
  void WriteCostTriple(float y, float x, const std::string& name, const std::string& amount,
                       const std::string& unit);
  void WriteNumberColumn(float y, float x, int count, const float* values);
  void WriteTextColumn(float y, float x, int count, const std::string* texts);
  void WriteBoxedRow(float y, const std::string& label, const std::string& value);
  // top is a page coordinate (from the bottom edge).
  void DrawGrid(int columns, int rows, int top);
  void DrawSectionBand(float x, float y);
  void DrawSectionHeading(float x, float y, const std::string& text);
  void DrawHeaderCells(int count, float y, const std::string* texts);

  // Chart operations; page coordinates from the bottom edge, x without the margin.
  void DrawGainChartGrid(float x, float y);
  void DrawCoverageChartGrid(float x, float y);
  void DrawEfficiencyChartGrid(float x, float y);
  void WriteChartLabel(float x, float y, const std::string& text);
  void WriteChartTitle(float x, float y, const std::string& text);
  // Bars 10 points wide standing on the chart's zero line, outlined in black.
  void DrawCoverageBar(float x, float y, float h) { DrawBar({0.6f, 0, 1, 7}, x, y, h); }
  void DrawHotWaterBar(float x, float y, float h) { DrawBar({0, 0, 1, 7}, x, y, h); }
  void DrawHeatingBar(float x, float y, float h) { DrawBar({0, 0.6f, 0, 17}, x, y, h); }
  void DrawPoolBar(float x, float y, float h) { DrawBar({1, 0, 0, 17}, x, y, h); }
  void DrawCollectorEfficiencyBar(float x, float y, float h) { DrawBar({1, 1, 0, 7}, x, y, h); }
  void DrawInstallationEfficiencyBar(float x, float y, float h) {
    DrawBar({0.8f, 0, 0, 17}, x, y, h);
  }

  // The six header texts every page repeats.
  std::string ProjectName;
  std::string Designer;
  std::string WebPage;
  std::string Email;
  std::string Phone;
  std::string Location;

  float LeftMargin = 40.0f;  // also the right margin
  int PageCount = 0;
  float TextWidth = 0;
  float PageHeight = 0;
  float PageWidth = 0;
  int ColumnWidth = 129;
  int RowHeight = 14;
  int TextInset = 5;

  // The footer's centred brand text.
  static const char* const kBrandText;

 private:
  using Doc = _HPDF_Doc_Rec*;
  using Handle = _HPDF_Dict_Rec*;

  void DrawPageHeader();
  void DrawPageFooter(float bandDistance);
  void WriteUnderlinedText(float x, float y, const std::string& text);
  void SelectFont(const char* name, float size);
  // One text in its own text object, left end of its baseline at (x, y) in page coordinates.
  void ShowText(float x, float y, const std::string& text);
  float MeasureText(const std::string& text);
  void StrokeLine(float x1, float y1, float x2, float y2);
  void DrawChartFrame(float x, float y, float height);
  void DrawChartGridLine(float x, float y);
  // Fill colour (RGB, 0 to 1) and distance of the bar from the chart's axis.
  struct BarStyle {
    float red, green, blue, offset;
  };
  void DrawBar(const BarStyle& style, float x, float y, float height);
  Handle Logo();
  void Release();

  Doc Document = nullptr;
  Handle Page = nullptr;
  Handle OutlineRoot = nullptr;
  Handle ChapterOutline = nullptr;
  _HPDF_Array_Rec* ChapterDestination = nullptr;
  Handle Font = nullptr;

  std::string logoFile_;
  Handle logo_ = nullptr;
  bool logoTried_ = false;
};

// UTF-8 text in code page 1250; a character that page lacks becomes "?".
std::string ToCp1250(const std::string& utf8);
