// A plain coloured area (a chart's bar, a legend's swatch) painted from its palette: the same
// pixels as a style sheet's background colour, without a style sheet to parse for every widget.
#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace platform {

inline void FillSolid(QWidget& widget, const QColor& colour) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Window, colour);
  widget.setPalette(palette);
  widget.setAutoFillBackground(true);
}

}  // namespace platform
