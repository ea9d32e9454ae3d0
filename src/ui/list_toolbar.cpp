#include "ui/list_toolbar.h"

#include <QAction>
#include <QToolBar>
#include <QToolButton>
#include <QWidget>

#include "ui/scaling.h"

// Q_INIT_RESOURCE must be used outside any namespace; a static library's resources
// are not registered until it runs.
static bool initToolImages() {
    Q_INIT_RESOURCE(tool_images);
    return true;
}

namespace zelkor {

QIcon ToolIcon(const char* name) {
    static const bool registered = initToolImages();
    (void)registered;
    const QString path = QStringLiteral(":/tools/") + QLatin1String(name);
    QIcon icon(path);
    // Named by hand: Qt finds "@2x" beside a file only when the name has a suffix.
    if (!icon.isNull()) icon.addFile(path + QStringLiteral("@2x"));
    return icon;
}

QToolBar* CreateListToolbar(QWidget* form, const char* objectName) {
    auto* bar = new QToolBar(form);
    bar->setObjectName(QLatin1String(objectName));
    bar->setIconSize(QSize(Scaled(form, 24), Scaled(form, 24)));
    bar->setMovable(false);
    bar->setFloatable(false);
    return bar;
}

QAction* AddToolCommand(QToolBar* bar, QWidget* form, const char* objectName, const char* image,
                        const QString& tip, const QKeySequence& key) {
    auto* action = new QAction(ToolIcon(image), tip, form);
    action->setObjectName(QLatin1String(objectName));
    action->setShortcut(key);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    const QString keyText = key.toString(QKeySequence::NativeText);
    action->setToolTip(tip);
    bar->addAction(action);
    form->addAction(action);
    if (auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action))) {
        button->setAccessibleName(tip);
        button->setAccessibleDescription(keyText);
    }
    return action;
}

}  // namespace zelkor
