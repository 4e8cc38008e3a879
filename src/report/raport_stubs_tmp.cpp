#include "report/raport_chapters.h"
void WritePaybackChapter(CRaport&, const CKoszty&, const PaybackTexts&) {}
void WriteChartsChapter(CRaport&, const CVindargast2&) {}
