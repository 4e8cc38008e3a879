// Windows taller or wider than a small screen (1366 x 768) keep their content in a scroll area:
// they open at the size their content asks for, but never larger than the screen leaves free.
#pragma once

class QScrollArea;
class QWidget;

namespace economics {

void FitToScreen(QWidget* window, QScrollArea* area);

}  // namespace economics
