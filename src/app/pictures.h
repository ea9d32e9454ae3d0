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

// "image/Logo.bmp" and "image/" + user + ".bmp" in the working directory.
QString LogoPath(const AppContext& ctx);
QString OperatorPhotoPath(const AppContext& ctx, const QString& user);

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
