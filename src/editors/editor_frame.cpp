#include "editors/editor_frame.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTableWidget>

#include "app/windows.h"
#include "engine/numtext.h"
#include "main/gridcell.h"
#include "main/vindargast.h"

CCatalogues& MainCatalogues() {
  return *Form1;
}

void PrepareTitledGrid(QTableWidget* grid, int defaultColumnWidth, int defaultRowHeight,
                       int headingRows) {
  grid->horizontalHeader()->hide();
  grid->verticalHeader()->hide();
  grid->horizontalHeader()->setDefaultSectionSize(defaultColumnWidth);
  grid->verticalHeader()->setMinimumSectionSize(1);
  grid->verticalHeader()->setDefaultSectionSize(defaultRowHeight);
  grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  for (int row = 0; row < grid->rowCount(); ++row) {
    for (int col = 0; col < grid->columnCount(); ++col) {
      auto* item = new QTableWidgetItem();
      if (row == 0 || col == 0) item->setFlags(Qt::ItemIsEnabled);
      grid->setItem(row, col, item);
    }
  }
  // The title cells keep the colour of fixed cells except in the odd rows, which are light blue
  // across the whole row.
  const QColor fixed = grid->palette().color(QPalette::Button);
  PaintCells(
      grid,
      [fixed](int col, int row) {
        if (row % 2 == 1) return kLightBlue;
        return row == 0 || col == 0 ? fixed : QColor();
      },
      headingRows);
}

void FitGridToCells(QTableWidget* grid) {
  int width = 2 * grid->frameWidth();
  for (int col = 0; col < grid->columnCount(); ++col) width += grid->columnWidth(col);
  int height = 2 * grid->frameWidth();
  for (int row = 0; row < grid->rowCount(); ++row) height += grid->rowHeight(row);
  grid->setFixedSize(width, height);
}

CatalogueEditorFrame::CatalogueEditorFrame(QWidget* parent, const Parameters& parameters)
    : QDialog(parent), parameters_(parameters) {}

void CatalogueEditorFrame::BindFrame(QListWidget* list, QComboBox* producers,
                                     QPlainTextEdit* description, QLabel* counter) {
  list_ = list;
  producers_ = producers;
  description_ = description;
  counter_ = counter;
  if (counter_ && description_) {
    connect(description_, &QPlainTextEdit::textChanged, this, [this] { OpisChange(); });
  }
}

void CatalogueEditorFrame::CreateFrame() {
  LoadDocument();
  if (TableLoaded()) {
    FillList();
    FillProducerCombo();
  }
  if (description_) description_->clear();
}

void CatalogueEditorFrame::LoadDocument() {
  Document.LoadFile(parameters_.fileName);
  Root = Document.DocumentElement();
  RowNodes = Root.Children();
}

bool CatalogueEditorFrame::TableLoaded() const {
  return !(MainCatalogues().*parameters_.table).Rows.empty();
}

bool CatalogueEditorFrame::IsVendorRow(int row) const {
  const xml::Element& node = RowNodes[row];
  if (node.ChildCount() <= parameters_.flagColumn) return false;
  try {
    return ReadInt(node.Child(parameters_.flagColumn).Text()) == 1;
  } catch (const NumberConversionError&) {
    return false;  // a flag that is no number draws the record as the user's
  }
}

void CatalogueEditorFrame::FillList() {
  list_->clear();
  for (int row = 0; row < static_cast<int>(RowNodes.size()); ++row) {
    auto* item = new QListWidgetItem(
        QString::fromStdString(RowNodes[row].Child(parameters_.listColumn).Text()));
    if (IsVendorRow(row)) {
      item->setForeground(QColor(128, 128, 128));
      QFont font = list_->font();
      font.setItalic(true);
      item->setFont(font);
    }
    list_->addItem(item);
  }
}

void CatalogueEditorFrame::FillProducerCombo() {
  if (!producers_) return;
  const CCatalogues& catalogues = MainCatalogues();
  const QString text = producers_->currentText();
  producers_->clear();
  const int count = std::min<int>(catalogues.ProducerCatalogue.RowCount,
                                  static_cast<int>(catalogues.ProducerLists.size()));
  for (int j = 0; j < count; ++j) {
    const auto& producer = catalogues.ProducerLists[j];
    producers_->addItem(QString::fromStdString(producer.size() > 1 ? producer[1] : ""));
  }
  producers_->setCurrentIndex(-1);
  if (producers_->isEditable()) producers_->setEditText(text);
}

void CatalogueEditorFrame::SetCounter(int charactersLeft) {
  if (counter_) counter_->setText(QString::fromStdString(General15(charactersLeft)));
}

void CatalogueEditorFrame::OpisChange() {
  SetCounter(kDescriptionLength - description_->toPlainText().length());
}
