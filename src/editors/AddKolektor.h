// The solar-collector catalogue editor ("Dane/kolektor.xml"), shown modeless.
#pragma once

#include "editors/editor_frame.h"
#include "platform/form_ui.h"
#include "ui_AddKolektor.h"

class TWinAddKolektor : public CatalogueEditorFrame {
 public:
  explicit TWinAddKolektor(QWidget* parent = nullptr);

  platform::FormUi<Ui::TWinAddKolektor> ui;
  xml::Document& XMLKolektor = Document;

  void FormCreate();
  void FormShow() override;

 protected:
  bool InUse(const std::string& listed) const override;
  bool ValuesValid() override;
};
