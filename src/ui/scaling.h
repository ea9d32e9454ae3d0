#pragma once
// Sizes are designed in pixels at 96 dots per inch and scaled by the screen's.
class QWidget;
class QFont;
class QString;

namespace zelkor {

// `pixels96` scaled by the widget's vertical dots per inch / 96.
int Scaled(const QWidget* widget, int pixels96);

// A font from the form toolkit's short notation "Face,points,style"
// (style 1 bold, 0 regular), e.g. "Arial Unicode MS,9,1".
QFont FontFromText(const QString& text);

}  // namespace zelkor
