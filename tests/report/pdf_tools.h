// Reads a written PDF back with the installed tools (poppler's pdfinfo, pdftotext, pdffonts,
// pdfimages and qpdf), so that the tests see what a viewer sees, not the writer's own numbers.
#pragma once

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <string>
#include <vector>

inline QString RunTool(const QString& program, const QStringList& arguments,
                       int* exitCode = nullptr) {
  QProcess process;
  process.start(program, arguments);
  process.waitForFinished(60000);
  if (exitCode) *exitCode = process.exitCode();
  return QString::fromUtf8(process.readAllStandardOutput());
}

struct PdfInfo {
  int pages = 0;
  double width = 0;
  double height = 0;
  bool valid = false;
};

inline PdfInfo ReadPdfInfo(const std::string& path) {
  int code = -1;
  const QString out = RunTool("pdfinfo", {QString::fromStdString(path)}, &code);
  PdfInfo info;
  info.valid = code == 0;
  for (const QString& line : out.split('\n')) {
    if (line.startsWith("Pages:")) info.pages = line.mid(6).trimmed().toInt();
    if (line.startsWith("Page size:")) {
      const QStringList words = line.mid(10).simplified().split(' ');
      if (words.size() >= 3) {
        info.width = words[0].toDouble();
        info.height = words[2].toDouble();
      }
    }
  }
  return info;
}

// The text of one page (1-based), in reading order, UTF-8.
inline QString PageText(const std::string& path, int page) {
  return RunTool("pdftotext", {"-f", QString::number(page), "-l", QString::number(page), "-enc",
                               "UTF-8", QString::fromStdString(path), "-"});
}

// The same, with the page's layout kept: a table's row stays one line.
inline QString PageLayoutText(const std::string& path, int page) {
  return RunTool("pdftotext", {"-layout", "-f", QString::number(page), "-l", QString::number(page),
                               "-enc", "UTF-8", QString::fromStdString(path), "-"});
}

inline std::set<QString> FontNames(const std::string& path) {
  const QString out = RunTool("pdffonts", {QString::fromStdString(path)});
  std::set<QString> names;
  const QStringList lines = out.split('\n');
  for (int i = 2; i < lines.size(); ++i) {
    const QString name = lines[i].section(' ', 0, 0, QString::SectionSkipEmpty);
    if (!name.isEmpty()) names.insert(name);
  }
  return names;
}

// Object numbers of the images drawn, one per placement, from pdfimages -list.
inline std::vector<int> ImageObjects(const std::string& path) {
  const QString out = RunTool("pdfimages", {"-list", QString::fromStdString(path)});
  std::vector<int> objects;
  const QStringList lines = out.split('\n');
  for (int i = 2; i < lines.size(); ++i) {
    const QStringList words = lines[i].simplified().split(' ');
    if (words.size() >= 12) objects.push_back(words[10].toInt());
  }
  return objects;
}

struct OutlineEntry {
  QString title;
  int page = 0;  // 1-based destination page, 0 without one
  std::vector<OutlineEntry> kids;
};

inline OutlineEntry ToEntry(const QJsonObject& object) {
  OutlineEntry entry;
  entry.title = object.value("title").toString();
  entry.page = object.value("destpageposfrom1").toInt();
  for (const QJsonValue& kid : object.value("kids").toArray())
    entry.kids.push_back(ToEntry(kid.toObject()));
  return entry;
}

// The document's top-level outline entries as qpdf decodes them.
inline std::vector<OutlineEntry> Outlines(const std::string& path) {
  const QString out =
      RunTool("qpdf", {"--json=2", "--json-key=outlines", QString::fromStdString(path)});
  std::vector<OutlineEntry> entries;
  for (const QJsonValue& value : QJsonDocument::fromJson(out.toUtf8())["outlines"].toArray())
    entries.push_back(ToEntry(value.toObject()));
  return entries;
}

// The page mode the document opens in ("/UseOutlines" shows the outline).
inline QString PageMode(const std::string& path) {
  const QString out = RunTool("qpdf", {"--show-object=trailer", QString::fromStdString(path)});
  const int root = out.indexOf("/Root ");
  if (root < 0) return {};
  const QString object = out.mid(root + 6).section(' ', 0, 0);
  const QString catalogue =
      RunTool("qpdf", {"--show-object=" + object, QString::fromStdString(path)});
  const int mode = catalogue.indexOf("/PageMode ");
  return mode < 0 ? QString() : catalogue.mid(mode + 10).section(' ', 0, 0);
}

struct PdfRect {
  double x, y, width, height;
};

// Every rectangle ("re") the pages' content streams draw, in drawing order, as qpdf decodes them.
inline std::vector<PdfRect> Rectangles(const std::string& path) {
  const QString decoded = QString::fromStdString(path) + ".qdf";
  RunTool("qpdf", {"--qdf", "--object-streams=disable", QString::fromStdString(path), decoded});
  QFile file(decoded);
  file.open(QIODevice::ReadOnly);
  const QString content = QString::fromLatin1(file.readAll());
  file.remove();
  static const QRegularExpression re(R"((-?[\d.]+) (-?[\d.]+) (-?[\d.]+) (-?[\d.]+) re\b)");
  std::vector<PdfRect> rects;
  for (auto it = re.globalMatch(content); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    rects.push_back({m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                     m.captured(4).toDouble()});
  }
  return rects;
}

// A word of a page as pdftotext -bbox places it: points from the page's left and top edges.
struct PdfWord {
  QString text;
  double xMin, yMin, xMax, yMax;
};

// The words of one page (1-based), in reading order.
inline std::vector<PdfWord> PageWords(const std::string& path, int page) {
  const QString out =
      RunTool("pdftotext", {"-bbox", "-f", QString::number(page), "-l", QString::number(page),
                            "-enc", "UTF-8", QString::fromStdString(path), "-"});
  static const QRegularExpression re(
      R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
  std::vector<PdfWord> words;
  for (auto it = re.globalMatch(out); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    QString text = m.captured(5);
    text.replace("&lt;", "<").replace("&gt;", ">").replace("&quot;", "\"").replace("&amp;", "&");
    words.push_back({text, m.captured(1).toDouble(), m.captured(2).toDouble(),
                     m.captured(3).toDouble(), m.captured(4).toDouble()});
  }
  return words;
}

// The words of the page's line that holds a word equal to `word`, the nth such line (0-based),
// left to right.
inline std::vector<PdfWord> LineOf(const std::vector<PdfWord>& words, const QString& word,
                                   int nth = 0) {
  for (const PdfWord& w : words) {
    if (w.text != word || nth-- > 0) continue;
    std::vector<PdfWord> line;
    for (const PdfWord& other : words)
      if (std::fabs(other.yMin - w.yMin) < 1) line.push_back(other);
    std::sort(line.begin(), line.end(),
              [](const PdfWord& a, const PdfWord& b) { return a.xMin < b.xMin; });
    return line;
  }
  ADD_FAILURE() << "no line with " << word.toStdString();
  return {};
}
