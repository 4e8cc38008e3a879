#include "editors/record_ids.h"

#include <limits>

#include "platform/message_box.h"

namespace editors {

bool IdLeftAfter(int32_t largest, const char* fileBaseName) {
  if (largest < std::numeric_limits<int32_t>::max()) return true;
  platform::MessageBox(QString::fromUtf8("Nie można dodać nowego rekordu: w pliku %1 wyczerpano "
                                         "numery identyfikatorów.")
                           .arg(QString::fromUtf8(fileBaseName)),
                       "Uwaga", platform::Icon::Warning);
  return false;
}

}  // namespace editors
