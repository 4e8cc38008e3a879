// The solar-collector catalogue editor ("Dane/kolektor.xml"), shown modeless.
#pragma once

#include "editors/editor_frame.h"
#include "ui_AddKolektor.h"

class TWinAddKolektor : public CatalogueEditor<Ui::TWinAddKolektor> {
 public:
  explicit TWinAddKolektor(QWidget* parent = nullptr);

  xml::Document& XMLKolektor = Document;

  void FormCreate();
  void FormShow() override;

 protected:
  void BuildForm() override;
  bool InUse(const std::string& listed) const override;
  bool ValuesValid() override;
};
