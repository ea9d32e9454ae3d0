#pragma once
// The toolbar of five large buttons, each a 32-pixel image above its text.
#include <QToolBar>
#include <functional>

namespace zelkor {

// Builds the toolbar; pressing a button runs its command through `run`.
QToolBar* CreateMainToolbar(QWidget* parent, const std::function<void(int)>& run);

}  // namespace zelkor
