#include "ui/qt_services.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace zelkor {

MsgAnswer QtMessages::show(const QString& text, const QString& caption, MsgButtons buttons, MsgIcon icon) {
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

QString QtFileDialogs::openFile(const QString& title, const QString& filter, const QString& defaultExtension,
                                const QString& startDirectory) {
    const QString path = QFileDialog::getOpenFileName(QApplication::activeWindow(), title, startDirectory,
                                                      QtFilterFromPipes(filter));
    // The default extension completes a typed name; a chosen file is taken as it is.
    return QFileInfo::exists(path) ? path : withExtension(path, defaultExtension);
}

QString QtFileDialogs::saveFile(const QString& title, const QString& filter, const QString& defaultExtension,
                                const QString& startDirectory) {
    return withExtension(QFileDialog::getSaveFileName(QApplication::activeWindow(), title, startDirectory,
                                                      QtFilterFromPipes(filter)),
                         defaultExtension);
}

}  // namespace zelkor
