#pragma once
// The pictures beside the program: the library's logo and the operators' photos,
// Windows bitmaps under "image/" in the working directory, where the program
// looks for them. A picture of any kind Qt reads may be chosen; it is stored as
// a bitmap under the usual name.
#include <QImage>
#include <QString>

class QLabel;

namespace zelkor {

class AppContext;

// "image/Logo.bmp" in the working directory.
QString LogoPath(const AppContext& ctx);
// Where an operator's photo is stored: "image/operator/" + user + ".bmp", a folder
// of their own, so that no operator's name can meet the program's own pictures.
QString OperatorPhotoPath(const AppContext& ctx, const QString& user);
// The photo to show for `user`: the stored one, else one an earlier version left
// at "image/" + user + ".bmp", but never for a name that is one of the program's
// own pictures or no usable file name. Empty when there is none.
QString ExistingOperatorPhoto(const AppContext& ctx, const QString& user);

// Whether a name can stand for a picture file on every system the program runs on.
enum class PictureName {
    Usable,
    Forbidden,     // . or .., a control sign, or one of / \ : * ? " < > |
    SpacesAround,  // leading or trailing spaces, which Windows drops from file names
    Device,        // CON, PRN, AUX, NUL, COM1..COM9, LPT1..LPT9, also with an extension
};
PictureName CheckPictureName(const QString& name);

// "Ganti Logo" and "Ganti Foto": the file dialog "Select Bitmap File" in the
// working directory. The chosen path becomes the run's remembered picture. A file
// that is no picture is refused with a message. Null when cancelled or refused.
QImage ChooseBitmap(AppContext& ctx);

// Writes `image` as a Windows bitmap at `path`, replacing an earlier file only
// once the new one is complete; makes the folder when missing. False with the
// reason in `error`.
bool SaveBitmap(const QImage& image, const QString& path, QString* error);

// Shows a picture in a frame at its own size, scaled down only when larger than
// `maxWidth` x `maxHeight` (design pixels), so a large photo cannot push the
// form's controls off the screen. A null image empties the frame.
void ShowPicture(QLabel* frame, const QImage& image, int maxWidth, int maxHeight);

}  // namespace zelkor
