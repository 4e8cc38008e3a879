// The circulation-pump catalogue editor ("Dane/pompy.xml"), shown modally.
#pragma once

#include "editors/editor_frame.h"
#include "platform/form_ui.h"
#include "ui_AddPompa.h"

class TWinAddPompa : public CatalogueEditorFrame {
 public:
  explicit TWinAddPompa(QWidget* parent = nullptr);

  platform::FormUi<Ui::TWinAddPompa> ui;
  xml::Document& XMLPompa = Document;

  void FormCreate();
  void FormShow() override;

 protected:
  bool InUse(const std::string& listed) const override;
};
