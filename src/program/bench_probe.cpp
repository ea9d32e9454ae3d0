#include "program/bench_probe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

namespace zelkor {

namespace {
class LoginShown : public QObject {
  public:
    explicit LoginShown(const QElapsedTimer& since) : since_(since) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show &&
            watched->objectName() == QLatin1String("FORM_ZELKOR_FORMLOGIN_CLASS")) {
            // Report once the show has been painted, then stop the run.
            QTimer::singleShot(0, [ms = since_.nsecsElapsed() / 1e6, since = since_] {
                std::fprintf(stderr, "startup-to-login-ms: %.2f (painted %.2f)\n", ms,
                             since.nsecsElapsed() / 1e6);
                std::fflush(stderr);
                std::_Exit(0);
            });
        }
        return false;
    }

  private:
    QElapsedTimer since_;
};
}  // namespace

void InstallStartupBenchProbe(const QElapsedTimer& sinceMain) {
    if (qEnvironmentVariableIntValue("ZELKOR_BENCH_STARTUP") != 1) return;
    qApp->installEventFilter(new LoginShown(sinceMain));
}

}  // namespace zelkor
