// The pipe-insulation catalogue editor ("Dane/izolacja.xml"), shown modally, with the grid of the
// shown kind's thicknesses and prices per pipe diameter from "Dane/grubosci.xml".
#pragma once

#include <array>
#include <cstdint>

#include "editors/editor_frame.h"
#include "ui_AddIzolacja.h"

class TWinAddIzolacja : public CatalogueEditorFrame {
 public:
  explicit TWinAddIzolacja(QWidget* parent = nullptr);

  Ui::TWinAddIzolacja ui;
  xml::Document& XMLIzolacja = Document;
  xml::Document XMLGrubosci;  // the thickness file, loaded only while a kind is read or changed

  // The pipe diameters in mm: titles of grid rows 1 to 8 and the texts a thickness record's
  // diameter is matched against.
  static const std::array<const char*, 8> PipeDiameterLabels;

  // 1: every value cell of the grid may be edited (a new kind is entered); 0: only cells that
  // hold text (a shown kind is changed).
  uint8_t FreeEditing = 1;

  void FormCreate();
};
