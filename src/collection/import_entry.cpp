#include "import_entry.h"

#include "collection/import_dialog.h"
#include "collection/record_form.h"

namespace zelkor {

void OpenImportDialog(AppContext& ctx, RecordForm& opener) {
    ImportDialog dialog(ctx, &opener, [&opener] { opener.showAllRecords(); });
    dialog.exec();
    opener.activateWindow();
}

}  // namespace zelkor
