// The shared toolbar: every picture a list form names is there at both densities,
// and a command's key works inside its own form only, even from a field.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/list_toolbar.h"

using namespace zelkor;

TEST(ListToolbar, EveryNamedPictureExistsAtBothSizes) {
    for (const char* name : {"IMAGE_DATA_ADD", "IMAGE_DATA_EDIT", "IMAGE_DISK_BLUE", "IMAGE_DATA_DELETE",
                             "IMAGE_DOCEXCEL", "IMAGE_PRINTER", "IMAGE_EXCEL", "IMAGE_DOWN", "IMAGE_UP"}) {
        const QIcon icon = ToolIcon(name);
        ASSERT_FALSE(icon.isNull()) << name;
        EXPECT_EQ(icon.pixmap(QSize(24, 24), 1.0).width(), 24) << name;
        EXPECT_EQ(icon.pixmap(QSize(24, 24), 2.0).width(), 48) << name;
    }
    EXPECT_TRUE(ToolIcon("IMAGE_NONE").pixmap(QSize(24, 24)).isNull());
}

// Takes every key before the shortcuts, as a line edit does with Ctrl+E under X11's
// key bindings (the offscreen platform has Windows' ones).
class GreedyEdit : public QLineEdit {
  public:
    using QLineEdit::QLineEdit;
    bool event(QEvent* e) override {
        if (e->type() != QEvent::ShortcutOverride) return QLineEdit::event(e);
        e->accept();
        return true;
    }
};

TEST(ListToolbar, KeyWorksFromAFieldOfItsOwnFormOnlyAndTheTipNamesIt) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    QWidget* forms[2];
    int fired[2] = {0, 0};
    QLineEdit* edits[2];
    for (int i = 0; i < 2; ++i) {
        forms[i] = new QWidget(&window);
        auto* inner = new QVBoxLayout(forms[i]);
        auto* bar = new QToolBar(forms[i]);
        inner->addWidget(bar);
        edits[i] = new GreedyEdit(forms[i]);
        inner->addWidget(edits[i]);
        layout->addWidget(forms[i]);
        QAction* a = AddToolCommand(bar, forms[i], "spreadsheet", "IMAGE_DOCEXCEL",
                                    QStringLiteral("Export Ke Excel"), QKeySequence(Qt::CTRL | Qt::Key_E));
        QObject::connect(a, &QAction::triggered, [&fired, i] { ++fired[i]; });
        EXPECT_EQ(a->toolTip(), "Export Ke Excel (Ctrl+E)");
        auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(a));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->accessibleName(), "Export Ke Excel");
        EXPECT_FALSE(button->accessibleDescription().isEmpty());
    }
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    edits[1]->setFocus();
    QTest::keyClick(edits[1], Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(fired[0], 0);
    EXPECT_EQ(fired[1], 1);
}
