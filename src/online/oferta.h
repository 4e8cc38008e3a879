// One producer's offer from the remote database: a grid per device kind and the producer's
// contact data, with links to the producer's pages.
#pragma once

#include <QDialog>
#include <QString>
#include <cstdint>
#include <vector>

#include "online/eksport_xlsx.h"
#include "platform/form_ui.h"
#include "ui_oferta.h"

class QTableView;
class TQuery;

class TWinOferta : public QDialog {
 public:
  explicit TWinOferta(QWidget* parent = nullptr);

  platform::FormUi<Ui::TWinOferta> ui;

  // The producer whose offer is shown; the producer list sets it before showing the window.
  int32_t ProducerId = 0;

  // A grid column: its centred title, the field it shows and its width in pixels.
  struct Column {
    const char* title;
    const char* field;
    int width;
  };
  // A device page: its grid, its query and its columns in grid order.
  struct DevicePage {
    QTableView* grid;
    TQuery* query;
    std::vector<Column> columns;
  };
  // The seven device pages in page order (empty until the data module exists).
  std::vector<DevicePage> DevicePages() const;
  // The offer as spreadsheet sheets: per device page its caption, its grid's font, titles and
  // widths, and the plain text of every record's fields.
  std::vector<OfferSheet> OfferSheets() const;

  void FormShow();
  void FormClose();
  void BitBtn1Click();
  void DBText2Click();
  void DBText7Click();
  void BitBtn2Click();

  // The widgets are built before the first showing.
  void setVisible(bool visible) override;

 protected:
  void showEvent(QShowEvent* event) override;
  void done(int result) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildForm();
};
