#include "ui/qt_services.h"

#include <QAbstractFileIconProvider>
#include <QApplication>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QPointer>

namespace zelkor {

namespace {

// Gives the keyboard back to the field that had it before a box: some window
// managers activate no window when a modal box closes, and the operator would
// have to click before typing on.
class FocusKeeper {
  public:
    FocusKeeper() : widget_(QApplication::focusWidget()) {}
    ~FocusKeeper() {
        if (!widget_ || !widget_->isVisible()) return;
        widget_->activateWindow();
        widget_->setFocus(Qt::OtherFocusReason);
    }

  private:
    QPointer<QWidget> widget_;
};

}  // namespace

MsgAnswer QtMessages::show(const QString& text, const QString& caption, MsgButtons buttons, MsgIcon icon) {
    const FocusKeeper keeper;
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(caption);
    // Names and typed values reach these texts: "<b>x</b>" is shown as typed.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    switch (icon) {
        case MsgIcon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case MsgIcon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case MsgIcon::Warning:
            box.setIcon(QMessageBox::Warning);
            break;
        case MsgIcon::Critical:
            box.setIcon(QMessageBox::Critical);
            break;
        case MsgIcon::None:
            box.setIcon(QMessageBox::NoIcon);
            break;
    }
    if (buttons == MsgButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return MsgAnswer::Ok;
}

QString QtFilterFromPipes(const QString& filter) {
    const QStringList parts = filter.split('|', Qt::SkipEmptyParts);
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = QString(parts[i + 1]).replace(';', ' ');
        // "Bitmap files (*.bmp)" already shows its patterns.
        out << (parts[i].contains('(' + patterns + ')') ? parts[i] : parts[i] + " (" + patterns + ")");
    }
    return out.join(QStringLiteral(";;"));
}

static QString withExtension(QString path, const QString& ext) {
    if (!path.isEmpty() && !ext.isEmpty() && QFileInfo(path).suffix().isEmpty()) path += '.' + ext;
    return path;
}

namespace {

// Types and pictures files by their names alone. Qt's own provider reads a file
// whose name says nothing to find out what it holds; reading the library file
// from this process and closing it again would drop SQLite's locks on it (POSIX
// locks belong to the process, and any closed descriptor of the file releases
// them), after which another program may take the write-ahead log away.
class NameOnlyIcons : public QAbstractFileIconProvider {
  public:
    QIcon icon(IconType type) const override { return standard_.icon(type); }
    QIcon icon(const QFileInfo& info) const override {
        return icon(info.isDir() ? Folder : File);  // a stat, never an open
    }
    QString type(const QFileInfo& info) const override {
        if (info.isDir()) return QStringLiteral("Folder");
        const QMimeType mime = mimes_.mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
        return mime.isDefault() ? QStringLiteral("File") : mime.comment();
    }

  private:
    QFileIconProvider standard_;  // its pictures by kind need no file
    QMimeDatabase mimes_;
};

QString runDialog(QFileDialog::AcceptMode mode, const QString& title, const QString& filter,
                  const QString& startDirectory) {
    QFileDialog dialog(QApplication::activeWindow(), title, startDirectory, QtFilterFromPipes(filter));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
#ifndef Q_OS_WIN
    // A desktop's own dialog (GTK, portal) sniffs contents in this process too.
    // Windows locks belong to a handle, so its dialog may stay.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
#endif
    NameOnlyIcons icons;
    dialog.setIconProvider(&icons);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

}  // namespace

QString QtFileDialogs::openFile(const QString& title, const QString& filter, const QString& defaultExtension,
                                const QString& startDirectory) {
    const QString path = runDialog(QFileDialog::AcceptOpen, title, filter, startDirectory);
    // The default extension completes a typed name; a chosen file is taken as it is.
    return QFileInfo::exists(path) ? path : withExtension(path, defaultExtension);
}

QString QtFileDialogs::saveFile(const QString& title, const QString& filter, const QString& defaultExtension,
                                const QString& startDirectory) {
    return withExtension(runDialog(QFileDialog::AcceptSave, title, filter, startDirectory), defaultExtension);
}

}  // namespace zelkor
