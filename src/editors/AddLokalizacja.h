// The location catalogue editor ("Dane/miasta.xml"), shown modally: a name, twelve monthly values
// each of insolation, air temperature and sunshine hours in a grid, and the latitude.
#pragma once

#include "editors/editor_frame.h"
#include "ui_AddLokalizacja.h"

class TWinAddMiasta : public CatalogueEditor<Ui::TWinAddMiasta> {
 public:
  explicit TWinAddMiasta(QWidget* parent = nullptr);

  xml::Document& XMLMiasta = Document;

  void FormCreate();

 protected:
  void BuildForm() override;
  bool InUse(const std::string& listed) const override;
  bool CountsAsDevice() const override { return false; }
  QString VendorChangeText() const override;
  QString VendorDeleteText() const override;
  QString InUseText() const override;
  bool ValuesValid() override;
};
