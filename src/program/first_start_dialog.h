#pragma once
// "Selamat Datang": the window of a run from the desktop that has no library to
// open, the first time or when the configured one has gone (a removed USB disk).
// It makes a new library, takes an existing library file or makes the sample
// library, names it in the user's conn.txt and closes; the start then goes on
// with that library and the login, as always. Every refusal is shown in the
// window with its reason, and nothing is made.
#include <QDate>
#include <QDialog>
#include <memory>

#include "app/app_context.h"
#include "app/places.h"

class QFormLayout;
class QLabel;
class QLineEdit;
class QRadioButton;
class QStackedWidget;

namespace zelkor {

class FirstStartDialog : public QDialog {
    Q_OBJECT
  public:
    // `problem`: why the configured library did not open; empty at a first start.
    FirstStartDialog(const Places& places, const QString& problem, FileDialogs& files, const QDate& today,
                     QWidget* parent = nullptr);

  private:
    void createControls(const QString& problem);
    QWidget* createNewPage();
    QWidget* createOpenPage();
    QWidget* createSamplePage();
    QLineEdit* addField(QFormLayout* form, const QString& label, const char* name);
    void choose();
    void browseNew();
    void browseOpen();
    void proceed();
    bool makeNew();
    bool takeExisting();
    bool makeSample();
    void refuse(const QString& why);

    Places places_;
    FileDialogs& files_;
    QDate today_;
    QRadioButton *newChoice_, *openChoice_, *sampleChoice_;
    QStackedWidget* pages_;
    QLineEdit *name_, *address_, *phone_, *email_, *password_, *repeat_, *newPath_, *openPath_;
    QLabel* refusal_;
};

// The start of a run from the desktop: the configured library, or the
// first-start window until a library opens (null when the user quits).
std::unique_ptr<AppContext> StartUpForUser(const Places& places, const QString& programDir,
                                           AppServices services);

}  // namespace zelkor
