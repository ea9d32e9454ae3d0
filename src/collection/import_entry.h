#pragma once
// The spreadsheet import as the record forms open it. The caller has set
// ctx.importTarget ("ItemPerpus" or "Member"); the import dialog opens modal over
// `opener` and, when it closes, has the opener read its records again
// (RecordForm::reloadRecords).
namespace zelkor {

class AppContext;
class RecordForm;

void OpenImportDialog(AppContext& ctx, RecordForm& opener);

}  // namespace zelkor
