// The program's version, taken from project(... VERSION ...) of the build.
#pragma once

#include <QString>

namespace platform {

struct ProgramVersion {
  int Major;
  int Minor;
  int Release;
  int Build;
  QString Text;       // as the build declares it, e.g. "2.0.0"
  QString ShortText;  // major and minor, e.g. "2.0": the window caption shows "Vindargast 2.0"
};

const ProgramVersion& Version();

}  // namespace platform
