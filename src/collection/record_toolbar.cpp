#include "record_toolbar.h"

#include <QAction>
#include <QIcon>
#include <QToolBar>
#include <QToolButton>

#include "ui/list_toolbar.h"

namespace zelkor {

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
        case RecordCommand::Labels:
            return {"IMAGE_BARCODE", "labels", QKeySequence(Qt::CTRL | Qt::Key_L)};
        case RecordCommand::Cards:
            return {"IMAGE_MEMBER_CARD", "cards", QKeySequence(Qt::CTRL | Qt::Key_K)};
        case RecordCommand::Import:
            break;
    }
    return {"IMAGE_EXCEL", "import", QKeySequence(Qt::CTRL | Qt::Key_I)};
}

}  // namespace

QToolBar* CreateRecordToolbar(QWidget* form, const std::vector<RecordTool>& tools,
                              const std::function<void(RecordCommand)>& run) {
    QToolBar* bar = CreateListToolbar(form, "recordToolbar");
    for (const RecordTool& tool : tools) {
        const CommandLook look = LookOf(tool.command);
        if (tool.command == RecordCommand::Import) bar->addSeparator();
        const RecordCommand command = tool.command;
        QAction* action = AddToolCommand(bar, form, look.objectName, look.image, tool.toolTip, look.shortcut);
        QObject::connect(action, &QAction::triggered, form, [run, command] { run(command); });
    }
    return bar;
}

}  // namespace zelkor
