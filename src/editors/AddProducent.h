// The producer catalogue editor ("Dane/producenci.xml"), shown modally. It keeps the main
// window's producer table and producer lists, from which the device editors take their
// producers, equal to the file.
#pragma once

#include "editors/editor_frame.h"
#include "ui_AddProducent.h"

class TWinAddProducent : public CatalogueEditor<Ui::TWinAddProducent> {
 public:
  explicit TWinAddProducent(QWidget* parent = nullptr);

  xml::Document& XMLProducent = Document;

  void FormCreate();

 protected:
  void BuildForm() override;
  bool CountsAsDevice() const override { return false; }
  QString VendorDeleteText() const override;
  QString VendorChangeText() const override;
  QString DeleteQuestion() const override;
  void TableChanged(bool rowAdded) override;
};
