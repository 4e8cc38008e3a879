#include "editors/record_ids.h"

#include <limits>

#include "platform/message_box.h"

namespace editors {

bool IdLeftAfter(int32_t largest, const QString& fileBaseName) {
  if (largest < std::numeric_limits<int32_t>::max()) return true;
  platform::MessageBox(QString::fromUtf8("Nie można dodać nowego rekordu: w pliku %1 wyczerpano "
                                         "numery identyfikatorów.")
                           .arg(fileBaseName),
                       "Uwaga", platform::Icon::Warning);
  return false;
}

std::string RecordId(const xml::Element& record) {
  return record.ChildCount() > 0 ? record.Child(0).Text() : std::string();
}

int RowOfId(const std::vector<xml::Element>& records, int preferred, const std::string& id) {
  const int count = static_cast<int>(records.size());
  if (preferred >= 0 && preferred < count && RecordId(records[size_t(preferred)]) == id)
    return preferred;
  for (int row = 0; row < count; ++row)
    if (RecordId(records[size_t(row)]) == id) return row;
  return -1;
}

}  // namespace editors
