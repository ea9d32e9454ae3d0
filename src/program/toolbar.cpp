#include "program/toolbar.h"

#include <QAction>
#include <QIcon>

#include "program/commands.h"
#include "ui/list_toolbar.h"

namespace zelkor {

QToolBar* CreateMainToolbar(QWidget* parent, const std::function<void(int)>& run) {
    auto* bar = new QToolBar(parent);
    bar->setObjectName(QStringLiteral("mainToolbar"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(32, 32));
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    bar->toggleViewAction()->setEnabled(false);  // the band stays; there is no way to hide it
    for (const ToolButton& b : ToolbarTable()) {
        QAction* action = bar->addAction(QIcon(QString::fromLatin1(b.image)), QString::fromUtf8(b.text));
        const char* keys = ShortcutFor(b.command);
        // The tip names the key, which the menu entry carries.
        action->setToolTip(TipWithKey(QString::fromUtf8(b.toolTip), QKeySequence(QString::fromLatin1(keys))));
        action->setData(b.command);
        // A command in no menu would have its key here.
        if (!InMenu(b.command) && keys) action->setShortcut(QKeySequence(QString::fromLatin1(keys)));
        const int command = b.command;
        QObject::connect(action, &QAction::triggered, bar, [run, command] { run(command); });
    }
    return bar;
}

}  // namespace zelkor
