#pragma once
// The background window "Welcome": a child of the main window's client area,
// maximised, without controls, its background the IMAGE_BACKG tile repeated.
#include <QWidget>

namespace zelkor {

class WelcomeWindow : public QWidget {
    Q_OBJECT
  public:
    explicit WelcomeWindow(QWidget* parent = nullptr);
};

}  // namespace zelkor
