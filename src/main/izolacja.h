// The insulation and mounting-structure window: the pipe insulation with one thickness for the
// pipes outside and one for the pipes inside the building (each with its cost over the pipe
// length), and the collectors' mounting structure.
#pragma once

#include <QString>
#include <string>
#include <utility>
#include <vector>

#include "main/selection.h"
#include "platform/form_ui.h"
#include "ui_izolacja.h"

class TWinIzolacja : public TSelectionWindow {
  Q_OBJECT

 public:
  explicit TWinIzolacja(QWidget* parent = nullptr);

  platform::FormUi<Ui::TWinIzolacja> ui;

  void FormCreate();
  void ComboWyborIzolacjiSelect();
  void StringGrid1SelectCell(int col, int row);
  void StringGrid2SelectCell(int col, int row);
  void ComboWyborKonstrukcjiSelect();
  void FormShow() override;
  void BitBtn1Click();
  void BitBtn2Click() { ShowProducers(); }
  void BitBtn3Click();
  void BitBtn4Click();
  void StaticText8Click() { OpenLink(ui().StaticText8); }
  void StaticText11Click() { OpenLink(ui().StaticText11); }
  // The pipe diameter's cell of the parameter grid; a window whose widgets wait shows the text
  // when they are built.
  void ShowDiameterCell(const QString& text);

 private:
  // Thickness and price texts of the listed thicknesses.
  using Thicknesses = std::vector<std::pair<std::string, std::string>>;

  void BuildForm();
  // Lists in both thickness grids the thicknesses of insulation kind `kind` at the pipe diameter
  // (compared as text, exactly); returns how many. A kind without any leaves both grids with
  // their headings only.
  int ListThicknesses(int32_t kind, bool fitHeight);
  static Thicknesses ListedThicknesses(int32_t kind);
  void ShowThicknesses(const Thicknesses& listed, bool fitHeight);
  // The main window's pipe diameter as its combo shows it.
  static QString Diameter();
  // The pipes outside (outdoor) or inside: the thickness of grid row `row` and its cost over the
  // pipe length.
  void ChooseThickness(bool outdoor, int row);

  DevicePanel insulation_;
  DevicePanel structure_;
};
