#include "platform/version.h"

#include "platform/version_info.h"

namespace platform {

const ProgramVersion& Version() {
  static const ProgramVersion version{VINDARGAST_VERSION_MAJOR,
                                      VINDARGAST_VERSION_MINOR,
                                      VINDARGAST_VERSION_RELEASE,
                                      VINDARGAST_VERSION_BUILD,
                                      QString::fromLatin1(VINDARGAST_VERSION_TEXT),
                                      QString::fromLatin1(VINDARGAST_VERSION_SHORT_TEXT)};
  return version;
}

}  // namespace platform
