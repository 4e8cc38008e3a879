// The solar-controller catalogue editor ("Dane/sterownik.xml"), shown modeless.
#pragma once

#include "editors/editor_frame.h"
#include "ui_AddSterownik.h"

class TWinAddSterownik : public CatalogueEditor<Ui::TWinAddSterownik> {
 public:
  explicit TWinAddSterownik(QWidget* parent = nullptr);

  xml::Document& XMLSterownik = Document;

  void FormCreate();
  void FormShow() override;

 protected:
  void BuildForm() override;
  bool InUse(const std::string& listed) const override;
};
