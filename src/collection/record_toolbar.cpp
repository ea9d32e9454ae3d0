#include "record_toolbar.h"

#include <QAction>
#include <QIcon>
#include <QToolBar>
#include <QToolButton>

// Q_INIT_RESOURCE must be used outside any namespace.
static void initRecordImages() {
    Q_INIT_RESOURCE(record_images);
}

namespace zelkor {

void InitRecordImages() {
    static const bool done = (initRecordImages(), true);
    (void)done;
}

namespace {

struct CommandLook {
    const char* image;
    const char* objectName;
    QKeySequence shortcut;
};

CommandLook LookOf(RecordCommand c) {
    switch (c) {
        case RecordCommand::Add:
            return {"IMAGE_DATA_ADD", "add", QKeySequence(Qt::CTRL | Qt::Key_N)};
        case RecordCommand::Save:
            return {"IMAGE_DISK_BLUE", "save", QKeySequence(Qt::CTRL | Qt::Key_S)};
        case RecordCommand::Delete:
            return {"IMAGE_DATA_DELETE", "delete", QKeySequence(Qt::CTRL | Qt::Key_Delete)};
        case RecordCommand::Spreadsheet:
            return {"IMAGE_DOCEXCEL", "spreadsheet", QKeySequence(Qt::CTRL | Qt::Key_E)};
        case RecordCommand::Browser:
            return {"IMAGE_PRINTER", "browser", QKeySequence(Qt::CTRL | Qt::Key_P)};
        case RecordCommand::Import:
            break;
    }
    return {"IMAGE_EXCEL", "import", QKeySequence(Qt::CTRL | Qt::Key_I)};
}

}  // namespace

QToolBar* CreateRecordToolbar(QWidget* form, const std::vector<RecordTool>& tools,
                              const std::function<void(RecordCommand)>& run) {
    InitRecordImages();
    auto* bar = new QToolBar(form);
    bar->setObjectName(QStringLiteral("recordToolbar"));
    bar->setIconSize(QSize(24, 24));
    bar->setMovable(false);
    bar->setFloatable(false);
    for (const RecordTool& tool : tools) {
        const CommandLook look = LookOf(tool.command);
        if (tool.command == RecordCommand::Import) bar->addSeparator();
        auto* action =
            new QAction(QIcon(QStringLiteral(":/") + QLatin1String(look.image)), tool.toolTip, form);
        action->setObjectName(QLatin1String(look.objectName));
        action->setToolTip(tool.toolTip);
        action->setShortcut(look.shortcut);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        const RecordCommand command = tool.command;
        QObject::connect(action, &QAction::triggered, form, [run, command] { run(command); });
        bar->addAction(action);
        form->addAction(action);  // the shortcut works wherever the focus is in the form
        if (auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action))) {
            button->setAccessibleName(tool.toolTip);
            button->setAccessibleDescription(look.shortcut.toString(QKeySequence::NativeText));
        }
    }
    return bar;
}

}  // namespace zelkor
