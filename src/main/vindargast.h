// The main window: the design's inputs, the compute command, the monthly table and the device
// summary. It owns the eleven catalogue tables for the whole run (its CCatalogues base), which
// every later window reads through Form1. Other windows write its controls through `ui`.
#pragma once

#include <QMainWindow>
#include <QStringList>
#include <array>

#include "engine/catalogue.h"
#include "engine/numtext.h"
#include "ui_vindargast.h"
#include "xml/xmldoc.h"

class QLabel;

// Row titles of the monthly tables, index 0 = January.
extern const QStringList MonthNames;

// The program-wide number format: numbers always use "." (engine/numtext.h); the currency text
// takes its symbol and thousands separator from the system and puts the symbol before the amount.
// The main window's creation fills it.
extern CurrencyFormat DotFormatSettings;

class TForm1 : public QMainWindow, public CCatalogues {
  Q_OBJECT

 public:
  explicit TForm1(QWidget* parent = nullptr);
  ~TForm1() override;

  Ui::TForm1 ui;
  // The document component of the catalogue loading at start-up.
  xml::Document XMLDocument1;

  // True when the creation could not load what the program needs (a catalogue file missing or
  // unreadable, the start picture missing): the program must end without showing a window.
  bool StartFailed() const { return startFailed_; }

  // The three panels of StatusBar1: 0 the last action, 1 the program, 2 NUM LOCK.
  void SetStatusText(int panel, const QString& text);
  QString StatusText(int panel) const;

  // Draws a grid cell's text (src/main/gridcell.cpp): mode 0 centred, 1 right-aligned, 2
  // left-aligned, 3 right-aligned only when the text is a number.
  static void PaintGridCell(class QPainter& canvas, const QString& text, const class QRect& rect,
                            uint8_t mode);

  void FormCreate();
  void FormShow();
  void Koniec1Click();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void LoadCatalogues();
  void SetUpMonthlyTable();
  void ShowDesignDefaults();

  std::array<QLabel*, 3> statusPanels_{};
  bool startFailed_ = false;
};
