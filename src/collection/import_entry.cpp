#include "import_entry.h"

namespace zelkor {

// The import dialog is not there yet: the entry does nothing visible until it is.
void OpenImportDialog(AppContext& /*ctx*/, RecordForm& /*opener*/) {}

}  // namespace zelkor
