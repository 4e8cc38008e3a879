#include "report/raport_chapters.h"
void WriteInstallationChapters(CRaport&, CVindargast2&) {}
void WritePaybackChapter(CRaport&, const CKoszty&, const PaybackTexts&) {}
void WriteChartsChapter(CRaport&, const CVindargast2&) {}
