// The circulation-pump catalogue editor ("Dane/pompy.xml"), shown modally.
#pragma once

#include "editors/editor_frame.h"
#include "ui_AddPompa.h"

class TWinAddPompa : public CatalogueEditor<Ui::TWinAddPompa> {
 public:
  explicit TWinAddPompa(QWidget* parent = nullptr);

  xml::Document& XMLPompa = Document;

  void FormCreate();
  void FormShow() override;

 protected:
  void BuildForm() override;
  bool InUse(const std::string& listed) const override;
};
