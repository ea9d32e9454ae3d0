#include "program/toolbar.h"

#include <QAction>
#include <QIcon>

#include "program/commands.h"

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
        action->setToolTip(QString::fromUtf8(b.toolTip));
        action->setData(b.command);
        // The History has no menu entry to carry its shortcut.
        if (!InMenu(b.command) && ShortcutFor(b.command))
            action->setShortcut(QKeySequence(QString::fromLatin1(ShortcutFor(b.command))));
        const int command = b.command;
        QObject::connect(action, &QAction::triggered, bar, [run, command] { run(command); });
    }
    return bar;
}

}  // namespace zelkor
