#pragma once
// "Browse Member": the operator finds a member by category in the tree, or by exact
// number or name, and Sisip writes the member number into the desk, which looks the
// member up. Opened by the desk's Browse button.
#include <QDialog>

#include "ui/grid_data.h"

class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace zelkor {

class AppContext;
class DeskForm;
class GridView;

class MemberBrowser : public QDialog {
    Q_OBJECT
  public:
    enum Column { ColId, ColNama, ColAlamat, ColKategori };

    explicit MemberBrowser(DeskForm& desk);

    GridData& members() { return members_; }
    QTreeWidget* tree() { return tree_; }

  public slots:
    void categorySelected();  // a node of the tree selected
    void search();            // Go, or Enter in the search field
    void showHint();          // left-button release on the member grid
    void insert();            // Sisip

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void createControls();
    void loadCategories();
    void fill(const QString& sql, const QVariantList& values);

    DeskForm& desk_;
    AppContext& ctx_;
    GridData members_;
    QTreeWidget* tree_ = nullptr;
    GridView* view_ = nullptr;
    QLineEdit* search_ = nullptr;
    QPushButton* goButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* insertButton_ = nullptr;
};

}  // namespace zelkor
