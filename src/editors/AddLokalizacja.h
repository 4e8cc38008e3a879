// The location catalogue editor ("Dane/miasta.xml"), shown modally: a name, twelve monthly values
// each of insolation, air temperature and sunshine hours in a grid, and the latitude.
#pragma once

#include "editors/editor_frame.h"
#include "platform/form_ui.h"
#include "ui_AddLokalizacja.h"

class TWinAddMiasta : public CatalogueEditorFrame {
 public:
  explicit TWinAddMiasta(QWidget* parent = nullptr);

  platform::FormUi<Ui::TWinAddMiasta> ui;
  xml::Document& XMLMiasta = Document;

  void FormCreate();

 protected:
  bool InUse(const std::string& listed) const override;
  bool CountsAsDevice() const override { return false; }
  QString VendorChangeText() const override;
  QString VendorDeleteText() const override;
  QString InUseText() const override;
};
