#include "report/raport_chapters.h"
void WriteChartsChapter(CRaport&, const CVindargast2&) {}
