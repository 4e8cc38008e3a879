// The expansion-vessel catalogue editor ("Dane/naczynie.xml"), shown modeless.
#pragma once

#include "editors/editor_frame.h"
#include "ui_AddNaczynie.h"

class TWinAddNaczynie : public CatalogueEditor<Ui::TWinAddNaczynie> {
 public:
  explicit TWinAddNaczynie(QWidget* parent = nullptr);

  xml::Document& XMLNaczynie = Document;

  void FormCreate();
  void FormShow() override;

 protected:
  void BuildForm() override;
  bool InUse(const std::string& listed) const override;
  QString VendorDeleteText() const override;
};
