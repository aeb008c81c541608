// The About box: layers, texts and the three animations.
#include "about_box.h"

#include "core/version.h"
#include "widget_factory.h"

#include <QGraphicsBlurEffect>
#include <QLabel>
#include <QPainter>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QSequentialAnimationGroup>
#include <QSvgRenderer>
#include <QVBoxLayout>

namespace brevant {

// The 600 x 600 picture, drawn at 0.8 and turned about its centre by the animated angle.
class RotatingPicture : public QWidget {
    Q_OBJECT
    Q_PROPERTY(double angle READ Angle WRITE SetAngle)
public:
    explicit RotatingPicture(QWidget* parent) : QWidget(parent) {
        setObjectName("ImageControl1");
        setAttribute(Qt::WA_TransparentForMouseEvents);
        renderer_ = Owned<QSvgRenderer>(this, QString(":/about/about_picture.svg"));
    }
    double Angle() const { return angle_; }
    void SetAngle(double a) {
        angle_ = a;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(width() / 2.0, height() / 2.0);
        p.rotate(angle_);
        p.translate(-width() / 2.0, -height() / 2.0);
        renderer_->render(&p, QRectF(rect()));
    }

private:
    QSvgRenderer* renderer_ = nullptr;
    double angle_ = 0;
};

namespace {

constexpr int kBlockX = 50;
constexpr int kBlockHiddenY = 280;
constexpr int kBlockShownY = 50;
constexpr const char* kCommentLine = "quorvel.example";
constexpr const char* kLegalNotice = "Copyright Quorvel Software. All rights reserved.";

QLabel* Line(QWidget* parent, const char* name, const QString& text, const char* color, int size) {
    auto* l = Child<QLabel>(parent, text);
    l->setObjectName(name);
    l->setAlignment(Qt::AlignCenter);
    l->setWordWrap(true);
    QString css = QString("color: %1;").arg(color);
    if (size > 0) css += QString(" font-size: %1pt;").arg(size);
    l->setStyleSheet(css);
    return l;
}

} // namespace

QString VersionLine(const QString& version) {
    return "Ver. " + QString(" ") + version;
}

AboutBox::AboutBox(const std::string& version, QWidget* parent) : QDialog(parent) {
    setObjectName("AboutBox");
    setWindowTitle("About");
    setFixedSize(305, 273);
    setModal(true);
    setAutoFillBackground(true);
    setStyleSheet("QDialog#AboutBox { background: black; }");
    BuildPicture();
    BuildTextBlock(QString::fromStdString(version));
}

void AboutBox::BuildPicture() {
    picture_ = Child<RotatingPicture>(this);
    picture_->setGeometry(-85, -100, 480, 480);
    blur_ = Owned<QGraphicsBlurEffect>(picture_);
    blur_->setBlurRadius(0);
    blur_->setEnabled(false);
    picture_->setGraphicsEffect(blur_);
    turn_ = Owned<QPropertyAnimation>(this, picture_, "angle");
    turn_->setStartValue(0.0);
    turn_->setEndValue(360.0);
    turn_->setDuration(12000);
    turn_->setLoopCount(-1);
    breathe_ = Owned<QSequentialAnimationGroup>(this);
    for (auto [from, to] : {std::pair{0.0, 3.0}, std::pair{3.0, 0.0}}) {
        auto* step = Owned<QPropertyAnimation>(breathe_, blur_, "blurRadius");
        step->setStartValue(from);
        step->setEndValue(to);
        step->setDuration(4000);
        step->setEasingCurve(QEasingCurve::InOutSine);
        breathe_->addAnimation(step);
    }
    breathe_->setLoopCount(-1);
}

void AboutBox::BuildTextBlock(const QString& version) {
    block_ = Child<QWidget>(this);
    block_->setObjectName("Layout2");
    block_->setGeometry(kBlockX, kBlockHiddenY, 205, 225);
    auto* v = Owned<QVBoxLayout>(block_);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(2);
    v->addWidget(Line(block_, "Label1", kProductName, "red", 20));
    v->addWidget(Line(block_, "Label2", "By Quorvel Software", "red", 20));
    v->addWidget(Line(block_, "Label3", kLegalNotice, "#b0b0b0", 7));
    v->addWidget(Line(block_, "Label4", VersionLine(version), "aqua", 0));
    v->addWidget(Line(block_, "Label6", kCommentLine, "aqua", 0));
    auto* close = Child<QPushButton>(block_, "Close");
    close->setObjectName("CloseButton");
    close->setFixedSize(80, 22);
    close->setStyleSheet("QPushButton { border-radius: 3px; background: #d8d8d8; color: black; }");
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    v->addWidget(close, 0, Qt::AlignHCenter);
    v->addStretch(1);
    slide_ = Owned<QPropertyAnimation>(this, block_, "pos");
    slide_->setStartValue(QPoint(kBlockX, kBlockHiddenY));
    slide_->setEndValue(QPoint(kBlockX, kBlockShownY));
    slide_->setDuration(2000);
}

bool AboutBox::Animating() const {
    return turn_->state() == QAbstractAnimation::Running;
}

void AboutBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    blur_->setEnabled(true);
    block_->move(kBlockX, kBlockHiddenY);
    turn_->start();
    breathe_->start();
    slide_->start();
}

void AboutBox::hideEvent(QHideEvent* event) {
    turn_->stop();
    breathe_->stop();
    slide_->stop();
    blur_->setEnabled(false);
    QDialog::hideEvent(event);
}

} // namespace brevant

#include "about_box.moc"
