// The solar-controller catalogue editor ("Dane/sterownik.xml"), shown modeless.
#pragma once

#include "editors/editor_frame.h"
#include "platform/form_ui.h"
#include "ui_AddSterownik.h"

class TWinAddSterownik : public CatalogueEditorFrame {
 public:
  explicit TWinAddSterownik(QWidget* parent = nullptr);

  platform::FormUi<Ui::TWinAddSterownik> ui;
  xml::Document& XMLSterownik = Document;

  void FormCreate();
  void FormShow() override;

 protected:
  bool InUse(const std::string& listed) const override;
};
