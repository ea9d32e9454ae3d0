#include "app/pictures.h"

#include <QDir>
#include <QImageReader>
#include <QLabel>
#include <QRegularExpression>
#include <QSaveFile>

#include "app/app_context.h"
#include "db/library_file.h"
#include "ui/scaling.h"

namespace zelkor {

namespace {
QString imageDir(const AppContext& ctx) {
    return QDir(ctx.workDir).filePath(QStringLiteral("image"));
}
}  // namespace

QString LogoPath(const AppContext& ctx) {
    return QDir(imageDir(ctx)).filePath(QStringLiteral("Logo.bmp"));
}

QString OperatorPhotoPath(const AppContext& ctx, const QString& user) {
    return QDir(imageDir(ctx)).filePath(QStringLiteral("operator/") + user + QStringLiteral(".bmp"));
}

QString ExistingOperatorPhoto(const AppContext& ctx, const QString& user) {
    if (user.isEmpty() || CheckPictureName(user) != PictureName::Usable) return {};
    if (const QString path = OperatorPhotoPath(ctx, user); QFileInfo::exists(path)) return path;
    // Earlier versions kept photos beside the logo, where an operator named "Logo"
    // met it; letter case is ignored as Windows does.
    if (user.compare(QLatin1String("Logo"), Qt::CaseInsensitive) == 0) return {};
    const QString old = QDir(imageDir(ctx)).filePath(user + QStringLiteral(".bmp"));
    return QFileInfo(old).isFile() ? old : QString();
}

PictureName CheckPictureName(const QString& name) {
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    if (name == QLatin1String(".") || name == QLatin1String("..")) return PictureName::Forbidden;
    for (const QChar c : name)
        if (c.unicode() < 0x20 || forbidden.contains(c)) return PictureName::Forbidden;
    if (name != name.trimmed()) return PictureName::SpacesAround;
    // Windows opens the device for such a name whatever follows its first dot.
    static const QRegularExpression device(QStringLiteral("^(con|prn|aux|nul|com[1-9]|lpt[1-9]) *(\\..*)?$"),
                                           QRegularExpression::CaseInsensitiveOption);
    if (device.match(name).hasMatch()) return PictureName::Device;
    return PictureName::Usable;
}

QImage ChooseBitmap(AppContext& ctx) {
    const QString path = ctx.files().openFile(
        QStringLiteral("Select Bitmap File"),
        QStringLiteral("Bitmap files (*.bmp)|*.bmp|All Files (*.*)|*.*"), QStringLiteral("bmp"), ctx.workDir);
    if (path.isEmpty()) return {};
    ctx.rememberedPicture = path;
    // Read by no one but SQLite: opening it here would drop the library's locks.
    if (IsLibraryFile(ctx.db(), path)) {
        ctx.messages().show(QStringLiteral("File %1 bukan gambar yang dapat dibaca: file itu database "
                                           "perpustakaan..")
                                .arg(path),
                            QStringLiteral("Info"), MsgButtons::Ok, MsgIcon::None);
        return {};
    }
    QImageReader reader(path);
    QImage image = reader.read();
    if (image.isNull())
        ctx.messages().show(
            QStringLiteral("File %1 bukan gambar yang dapat dibaca: %2..").arg(path, reader.errorString()),
            QStringLiteral("Info"), MsgButtons::Ok, MsgIcon::None);
    return image;
}

bool SaveBitmap(const QImage& image, const QString& path, QString* error) {
    auto fail = [&](const QString& why) {
        if (error) *error = why;
        return false;
    };
    const QString dir = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(dir)) return fail(QStringLiteral("folder %1 tidak dapat dibuat").arg(dir));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return fail(file.errorString());
    if (!image.save(&file, "BMP")) {
        file.cancelWriting();
        return fail(file.error() != QFileDevice::NoError ? file.errorString()
                                                         : QStringLiteral("gambar tidak dapat ditulis"));
    }
    if (!file.commit()) return fail(file.errorString());
    return true;
}

void ShowPicture(QLabel* frame, const QImage& image, int maxWidth, int maxHeight) {
    if (image.isNull()) {
        frame->clear();
        return;
    }
    const QSize most(Scaled(frame, maxWidth), Scaled(frame, maxHeight));
    QImage shown = image;
    if (image.width() > most.width() || image.height() > most.height())
        shown = image.scaled(most, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    frame->setPixmap(QPixmap::fromImage(shown));
}

}  // namespace zelkor
