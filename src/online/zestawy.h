// The set builder: lists every device of the seven device catalogues, lets the user put one of
// each kind (two tanks in a two-tank set) into a set with its own numbers and texts, and saves it
// as a set file in "Zestawy". It reads the main window's tables and never changes the design.
#pragma once

#include <QDialog>
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/catalogue.h"
#include "engine/zestaw.h"
#include "platform/form_ui.h"
#include "ui_zestawy.h"
#include "xml/xmldoc.h"

class TWinZestawy : public QDialog {
 public:
  explicit TWinZestawy(QWidget* parent = nullptr);

  // One device kind: its text in the lists, the main window's table, the column the lists show,
  // the table's column names and the element that holds the device in a set file (the tanks
  // are numbered: "Zasobnik1", "Zasobnik2").
  struct DeviceKind {
    const char* kind;
    CCatalogueTable CCatalogues::*table;
    int displayColumn;
    std::vector<std::string> CCatalogues::*columnNames;
    const char* element;
  };
  // In the order the device list shows them.
  static const std::array<DeviceKind, 7> DeviceKinds;

  // A device entry: the kind, the display value, the producer (column 1), then the whole
  // catalogue row from the id to the flag.
  using DeviceEntry = std::vector<std::string>;

  platform::FormUi<Ui::TWinZestawy> ui;
  xml::Document XMLZestaw;  // the document a set file is written through

  std::vector<DeviceEntry> DeviceEntries;
  std::vector<int>
      DeviceListIndex;  // line k of ListaUrzadzen shows DeviceEntries[DeviceListIndex[k]]
  std::array<DeviceEntry, 8> SetSlots;  // slot k: a copy of the entry on line k of ListaZestaw
  int32_t SetSlotCount = 0;
  CZestaw CurrentSet;  // the set's own numbers and texts; its device objects play no part here

  void FormCreate();
  void FormShow();
  void ComboBox1Select();   // filters the device list by kind
  void ComboBox2Select();   // filters the device list by producer
  void EProducentSelect();  // the chosen producer's web page into EWww
  void RadioButton1Click();
  void RadioButton2Click();
  void ELiczbaKolektorowChange();
  // Drops the selected line of the device list on the set list, under the set's rules.
  void ListaZestawDragDrop();
  void BitBtn1Click();  // "Reset Zestaw"
  void BitBtn2Click();  // " Zapisz"
  void Zapiszzestaw1Click() { BitBtn2Click(); }

  // Whether the set list holds each kind once and exactly CZestaw::LiczbaZasobnikow tanks.
  bool SetIsComplete() const;

  // Writes "Zestawy/<name>.xml" from the set, the first `lines` slots, the thickness edits and
  // the description; on failure shows its message and returns false, the old file unchanged.
  bool WriteSetFile(const std::string& name, int lines);

  void AppendCatalogueEntries(const std::string& kind, const CatalogueRows& rows, int displayColumn,
                              int columnCount, int rowCount);

  // The widgets are built before the first showing.
  void setVisible(bool visible) override;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildForm();
  bool listedForThisShowing_ = false;  // the showing under way built the lists
  static const DeviceKind* FindKind(const std::string& kind);
  void FillProducers();
  void BuildDeviceEntries();
  // Lists the entries that pass, in entry order, and shows their number.
  void FillDeviceList(const std::function<bool(const DeviceEntry&)>& shown);
};
