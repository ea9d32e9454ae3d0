#include "circulation/member_browser.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QStyle>
#include <QTreeWidget>

#include "app/app_context.h"
#include "circulation/desk_form.h"
#include "circulation/form_parts.h"
#include "circulation/picker_queries.h"
#include "db/row_sinks.h"
#include "ui/grid_view.h"

namespace zelkor {

namespace {

const QString kRootText = QStringLiteral("Member Kategori");
const QString kListFont = QStringLiteral("Arial,-12,0,0,0,400,0,0,0,0,3,2,1,34");
const QString kFont = QStringLiteral("Arial Unicode MS,9,0");

// The member grid's widths once its columns are made from the first row.
const int kMemberWidths[] = {70, 170, 100, 50};

}  // namespace

MemberBrowser::MemberBrowser(DeskForm& desk) : QDialog(&desk), desk_(desk), ctx_(desk.context()) {
    setObjectName(QStringLiteral("FORM_ZELKOR_FORMCRMEMBER_CLASS"));
    setWindowTitle(QStringLiteral("Browse Member"));
    setModal(true);
    setFont(FontFromText(kFont));
    resize(Scaled(this, 645), Scaled(this, 329));
    createControls();
    loadCategories();
    search_->setFocus();
}

void MemberBrowser::createControls() {
    tree_ = new QTreeWidget(this);
    tree_->setObjectName(QStringLiteral("categories"));
    tree_->setAccessibleName(kRootText);
    tree_->setHeaderHidden(true);
    tree_->setColumnCount(1);
    tree_->setRootIsDecorated(true);
    tree_->setSelectionMode(QAbstractItemView::SingleSelection);
    tree_->setFont(FontFromText(kListFont));
    tree_->setStyleSheet(QStringLiteral("QTreeWidget { background: white; }"));
    PlaceAt(this, tree_, 2, 0, 200, 256);

    view_ = new GridView(members_, this);
    view_->setObjectName(QStringLiteral("members"));
    view_->setAccessibleName(QStringLiteral("Member"));
    view_->setFont(FontFromText(kListFont));
    view_->setStyleSheet(QStringLiteral("QTableView { background: white; }"));
    PlaceAt(this, view_, 204, 0, 425, 256);

    auto* searchLabel = new QLabel(QStringLiteral("&Cari"), this);
    PlaceAt(this, searchLabel, 6, 263, 50, 20);
    search_ = MakeField(this, "search", QStringLiteral("Cari"), 64, 262, 250, 20);
    search_->setToolTip(QStringLiteral("Masukan pencarian nama disini.. kemudian enter.."));
    searchLabel->setBuddy(search_);
    goButton_ = MakeButton(this, QStringLiteral("&Go"), "go", 320, 257, 30, 33);
    goButton_->setToolTip(QStringLiteral("Jalankan pencarian.."));
    cancelButton_ = MakeButton(this, QStringLiteral("&Batal"), "cancel", 405, 257, 105, 33);
    insertButton_ = MakeButton(this, QStringLiteral("&Sisip"), "insert", 520, 257, 105, 33);
    cancelButton_->setFont(FontFromText(kListFont));
    insertButton_->setFont(FontFromText(kListFont));

    // The list comes before Sisip and Batal after it, as in the pickers.
    ChainTabOrder({tree_, search_, goButton_, view_, insertButton_, cancelButton_});
    ContinueDownInto(search_, view_);

    connect(tree_, &QTreeWidget::itemSelectionChanged, this, &MemberBrowser::categorySelected);
    connect(view_, &GridView::leftButtonReleased, this, &MemberBrowser::showHint);
    connect(search_, &QLineEdit::returnPressed, this, &MemberBrowser::search);
    connect(goButton_, &QPushButton::clicked, this, &MemberBrowser::search);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    connect(insertButton_, &QPushButton::clicked, this, &MemberBrowser::insert);
}

void MemberBrowser::loadCategories() {
    // A closed folder for a node, an open one for the selected node.
    QIcon icon(style()->standardPixmap(QStyle::SP_DirClosedIcon));
    icon.addPixmap(style()->standardPixmap(QStyle::SP_DirOpenIcon), QIcon::Selected);

    auto* root = new QTreeWidgetItem(tree_, {kRootText});
    root->setIcon(0, icon);
    const BoundStatement s = MemberCategoriesStatement();
    ctx_.run(s.sql, s.values, [&](const DbRow& row) {
        auto* node = new QTreeWidgetItem(root, {row.text(0)});
        node->setIcon(0, icon);
    });
    root->setExpanded(true);
}

void MemberBrowser::fill(const QString& sql, const QVariantList& values) {
    const bool hadColumns = members_.columnCount() > 0;
    GridData::Batch batch(members_);
    members_.clearRows();
    ctx_.run(sql, values, AppendRowAutoColumns(members_));
    if (!hadColumns && members_.columnCount() > 0) {
        // Made from the first row ("ID", "NAMA", "ALAMAT", "KATEGORI"); then their widths.
        std::vector<GridColumn> columns = members_.columns();
        for (size_t c = 0; c < columns.size() && c < std::size(kMemberWidths); ++c)
            columns[c].width = kMemberWidths[c];
        members_.setColumns(std::move(columns));
    }
}

// ---- handlers ---------------------------------------------------------------------

void MemberBrowser::categorySelected() {
    const QList<QTreeWidgetItem*> selected = tree_->selectedItems();
    if (selected.isEmpty()) return;
    // Kept for the run: the next browser's name search looks in this category too.
    ctx_.memberBrowserCategory = selected.first()->text(0);
    const BoundStatement s = MembersOfCategoryStatement(ctx_.memberBrowserCategory);
    fill(s.sql, s.values);
}

void MemberBrowser::search() {
    const BoundStatement s = MemberSearchStatement(search_->text(), ctx_.memberBrowserCategory);
    fill(s.sql, s.values);
    // Selected before the focus arrives: a view focused without a current row makes
    // its first row current without showing it selected.
    members_.select(members_.rowCount() > 0 ? 0 : -1);
    view_->setFocus();
}

void MemberBrowser::showHint() {
    ctx_.messages().show(QStringLiteral("Untuk menyisipkan item, silahkan tekan tombol sisip.."),
                         QStringLiteral("Info"));
}

void MemberBrowser::insert() {
    if (members_.selectedRow() < 0) {
        // An empty number would only empty the member already on the desk.
        ctx_.messages().show(QStringLiteral("Silahkan pilih member terlebih dahulu.."),
                             QStringLiteral("Info"));
        return;
    }
    const QString id = members_.selectedCell(ColId);
    accept();
    desk_.setMemberNumber(id);  // the desk looks the member up as typing does
}

void MemberBrowser::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();  // Enter searches in the search field and never closes the browser
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace zelkor
