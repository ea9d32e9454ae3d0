#pragma once
// What the list forms' toolbars share (the record forms, the cash journal, the
// reports, the catalogue, the operator list): one set of 24-pixel pictures, with
// 48-pixel ones for screens of twice the density (drawn by
// images/draw_tool_images.cpp), and one way of adding a command.
#include <QIcon>
#include <QKeySequence>
#include <QString>

class QAction;
class QToolBar;
class QWidget;

namespace zelkor {

// "IMAGE_DATA_ADD", "IMAGE_DATA_EDIT", "IMAGE_DISK_BLUE", "IMAGE_DATA_DELETE",
// "IMAGE_DOCEXCEL", "IMAGE_PRINTER", "IMAGE_EXCEL", "IMAGE_DOWN", "IMAGE_UP".
QIcon ToolIcon(const char* name);

// A tool tip that names its key: "Export Ke Excel (Ctrl+E)"; the tip alone
// without a key.
QString TipWithKey(const QString& tip, const QKeySequence& key);

// An empty toolbar for `form`, named `objectName`, for the 24-pixel pictures
// (scaled with the screen, as the forms are) and fixed in its place.
QToolBar* CreateListToolbar(QWidget* form, const char* objectName);

// Adds a command to `bar`: the picture, the tool tip as the system words it, and a
// shortcut that works wherever the focus is inside `form` and nowhere else, so two
// open forms never fight over a key. A screen reader hears the tip as the button's
// name and the key as its description.
// `objectName` names the action for tests and scripts.
QAction* AddToolCommand(QToolBar* bar, QWidget* form, const char* objectName, const char* image,
                        const QString& tip, const QKeySequence& key);

}  // namespace zelkor
