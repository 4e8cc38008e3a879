// The expansion-vessel catalogue editor ("Dane/naczynie.xml"), shown modeless.
#pragma once

#include "editors/editor_frame.h"
#include "platform/form_ui.h"
#include "ui_AddNaczynie.h"

class TWinAddNaczynie : public CatalogueEditorFrame {
 public:
  explicit TWinAddNaczynie(QWidget* parent = nullptr);

  platform::FormUi<Ui::TWinAddNaczynie> ui;
  xml::Document& XMLNaczynie = Document;

  void FormCreate();
  void FormShow() override;

 protected:
  bool InUse(const std::string& listed) const override;
  QString VendorDeleteText() const override;
};
