#include "program/status_bar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QResizeEvent>
#include <cmath>

#include "core/dates.h"
#include "ui/scaling.h"

namespace zelkor {

StatusPart::StatusPart(const QString& text, const QString& icon, QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(2, 1, 2, 1);
    row->setSpacing(2);
    if (!icon.isEmpty()) {
        auto* picture = new QLabel(this);
        picture->setPixmap(QPixmap(icon).scaled(16, 16, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        row->addWidget(picture);
    }
    text_ = new QLabel(text, this);
    text_->setTextFormat(Qt::PlainText);
    row->addWidget(text_, 1);
}

QString StatusPart::text() const {
    return text_->text();
}
void StatusPart::setText(const QString& text) {
    text_->setText(text);
}

MainStatusBar::MainStatusBar(QWidget* parent) : QStatusBar(parent) {
    setSizeGripEnabled(false);
    // The parts' widths were laid out for a small status bar font: "User:" and
    // its icon fit in 50 units only at about 8 points of a narrow face.
    setFont(FontFromText(QStringLiteral("Arial,8,0")));
    // The parts sit side by side without gaps, so their right edges fall where
    // their widths add up to.
    auto* strip = new QWidget(this);
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    const QString icons[kParts] = {QStringLiteral(":/IMAGE_LOGINPEOPLE"), {}, {}, {},
                                   QStringLiteral(":/IMAGE_TIMETOGETUP"), {}, {}, {}};
    const QString texts[kParts] = {
        QStringLiteral("User:"), QStringLiteral("admin"), QStringLiteral("Hak Pakai :"), {}, {}, {}, {}, {}};
    for (int i = 0; i < kParts; ++i) {
        parts_[i] = new StatusPart(texts[i], icons[i], strip);
        parts_[i]->setObjectName(QStringLiteral("statusPart%1").arg(i));
        row->addWidget(parts_[i]);
    }
    row->addStretch(1);
    parts_[0]->setFrameShadow(QFrame::Raised);
    parts_[1]->setToolTip(QStringLiteral("Pengguna aplikasi saat ini"));
    addWidget(strip, 1);
    applyWidths();
}

void MainStatusBar::showClock(const QDateTime& now) {
    parts_[4]->setText(StatusDateText(now.date()));
    parts_[5]->setText(StatusTimeText(now.time()));
}

std::array<int, MainStatusBar::kParts> MainStatusBar::PartWidths(int dpi) {
    std::array<int, kParts> out{};
    if (dpi <= 0) dpi = 96;
    for (int i = 0; i < kParts; ++i) out[i] = static_cast<int>(std::lround(kWidths96[i] * dpi / 96.0));
    return out;
}

void MainStatusBar::resizeEvent(QResizeEvent* event) {
    QStatusBar::resizeEvent(event);
    applyWidths();  // the screen, and with it the dots per inch, may have changed
}

void MainStatusBar::applyWidths() {
    const auto widths = PartWidths(logicalDpiY());
    int sum = 0;
    for (int i = 0; i < kParts; ++i) {
        parts_[i]->setFixedWidth(widths[i]);
        sum += widths[i];
    }
    // Said outright: the bar works its layout out only when first shown, and the
    // main window must know its narrowest size before that (see its constructor).
    setMinimumWidth(sum);
}

QString StatusDateText(const QDate& date) {
    return ShortDateInWords(date);
}

QString StatusTimeText(const QTime& time) {
    return time.toString(QStringLiteral("HH:mm:ss"));
}

}  // namespace zelkor
