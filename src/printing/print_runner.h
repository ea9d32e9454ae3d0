#pragma once
// Prints layouts as print jobs and tells the operator once when it cannot.
#include <vector>

#include "printing/print_layout.h"
#include "ui/services.h"

namespace zelkor {

class AppContext;

// One layout as one job of one page named "Untitled". False, with the printer's
// reason in `why`, when there is no printer or it refuses the job; a job that
// fails half-way is thrown away.
bool PrintLayoutJob(Printers& printers, const PrintLayout& layout, QString* why = nullptr);

// "Gagal mencetak, ..": what the operator reads when nothing could be printed.
QString PrintFailedText(const QString& why);

// Each layout as its own job, in order. On the first failure the operator is
// told in one message box (caption "Info") and the rest is not tried, since it
// would meet the same printer; the caller carries on either way.
bool PrintLayouts(AppContext& ctx, const std::vector<PrintLayout>& layouts);

}  // namespace zelkor
