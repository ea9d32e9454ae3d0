#pragma once
// The till's windows, as the main window opens them.
class QWidget;

namespace zelkor {

class AppContext;

// "Tutup Kas" for the current operator, modal over `owner`.
void OpenTillClose(AppContext& ctx, QWidget* owner);
// "Hapus Denda", modal over `owner`; the caller lets only the administrator in.
void OpenFineWaiver(AppContext& ctx, QWidget* owner);

}  // namespace zelkor
