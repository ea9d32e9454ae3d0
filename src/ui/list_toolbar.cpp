#include "ui/list_toolbar.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
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

namespace {

const char* const kToolCommand = "zelkorToolCommand";

// A line edit claims keys for its own editing before any shortcut is tried (Ctrl+E,
// end of line, under X11's bindings), so a form opened with the cursor in its code
// field would lose its toolbar keys. The form's commands come
// first: an override for one of them is refused here, and Qt goes on to the
// shortcut.
class ToolKeysFirst final : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride || !watched->isWidgetType()) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        for (auto* w = static_cast<QWidget*>(watched); w; w = w->parentWidget()) {
            for (QAction* a : w->actions())
                if (a->property(kToolCommand).toBool() && a->isEnabled() && a->shortcut() == pressed)
                    return true;  // left unaccepted: the shortcut runs
            if (w->isWindow()) break;
        }
        return false;
    }
};

void putToolKeysFirst() {
    static QPointer<ToolKeysFirst> filter;
    if (filter) return;
    filter = new ToolKeysFirst;
    filter->setParent(qApp);
    qApp->installEventFilter(filter);
}

}  // namespace

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

QString TipWithKey(const QString& tip, const QKeySequence& key) {
    const QString keyText = key.toString(QKeySequence::NativeText);
    return keyText.isEmpty() ? tip : QStringLiteral("%1 (%2)").arg(tip, keyText);
}

QAction* AddToolCommand(QToolBar* bar, QWidget* form, const char* objectName, const char* image,
                        const QString& tip, const QKeySequence& key) {
    auto* action = new QAction(ToolIcon(image), tip, form);
    action->setObjectName(QLatin1String(objectName));
    action->setShortcut(key);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    action->setProperty(kToolCommand, true);
    putToolKeysFirst();
    const QString keyText = key.toString(QKeySequence::NativeText);
    action->setToolTip(TipWithKey(tip, key));
    bar->addAction(action);
    form->addAction(action);
    if (auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action))) {
        button->setAccessibleName(tip);
        button->setAccessibleDescription(keyText);
    }
    return action;
}

}  // namespace zelkor
