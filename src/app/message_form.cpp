// The message box: layout of its controls and the table of kinds.
#include "message_form.h"

#include "widget_factory.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>

#include <array>

namespace brevant {

namespace {

enum Icon { kWarning = 0, kStop = 1, kQuestion = 2, kNoIcon = 3 };
enum Slot { kLeft = 0, kMiddle = 1, kRight = 2 };

struct ButtonSpec {
    int slot;
    const char* caption;
    int result;
};

struct KindSpec {
    std::array<ButtonSpec, 3> buttons;
    int count;
    int icon;
    int focus; // index into buttons
};

// The button set, results, icon and focused button of each kind.
const KindSpec kKinds[] = {
    {{{{kRight, "OK", kResultOk}}}, 1, kWarning, 0},
    {{{{kMiddle, "Yes", kResultYes}, {kRight, "No", kResultNo}}}, 2, kQuestion, 0},
    {{{{kLeft, "Yes", kResultYes}, {kMiddle, "No", kResultNo}, {kRight, "Cancel", kResultCancel}}},
     3,
     kQuestion,
     0},
    {{{{kMiddle, "Yes", kResultYes}, {kRight, "No", kResultNo}}}, 2, kStop, 0},
    {{{{kMiddle, "OK", kResultOk}, {kRight, "Cancel", kResultCancel}}}, 2, kStop, 0},
    {{{{kMiddle, "OK", kResultOk}, {kRight, "Cancel", kResultCancel}}}, 2, kQuestion, 0},
    {{{{kMiddle, "Save", kResultSave}, {kRight, "Cancel", kResultCancel}}}, 2, kQuestion, 0},
    {{{{kLeft, "Save", kResultSave},
       {kMiddle, "Discard", kResultDiscard},
       {kRight, "Cancel", kResultCancel}}},
     3,
     kQuestion,
     0},
};

constexpr int kButtonX[3] = {28, 160, 293};
constexpr int kTitlePointSize = 16;
constexpr int kTitleSmallestPointSize = 9;

} // namespace

QLabel* TMy::MakeIcon(const char* name, int standardPixmap) {
    auto* icon = Child<QLabel>(this);
    icon->setObjectName(name);
    icon->setGeometry(21, 19, 50, 50);
    icon->setAlignment(Qt::AlignCenter);
    const auto sp = static_cast<QStyle::StandardPixmap>(standardPixmap);
    icon->setPixmap(style()->standardIcon(sp, nullptr, this).pixmap(48, 48));
    icon->hide();
    return icon;
}

TMy::TMy(QWidget* parent, MessageStyle style) : QDialog(parent), style_(style) {
    setObjectName("My");
    setFixedSize(393, 142);
    setModal(true);
    titleLabel_ = Child<QLabel>(this);
    titleLabel_->setObjectName("TitleLabel");
    titleLabel_->setGeometry(87, 3, 298, 40);
    QFont big = titleLabel_->font();
    big.setPointSize(kTitlePointSize);
    titleLabel_->setFont(big);
    memo_ = Child<QPlainTextEdit>(this);
    memo_->setObjectName("Memo1");
    memo_->setGeometry(79, 39, 294, 66);
    memo_->setReadOnly(true);
    memo_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo_->setFocusPolicy(Qt::ClickFocus);
    bodyLabel_ = Child<QLabel>(this);
    bodyLabel_->setObjectName("BodyLabel");
    bodyLabel_->setGeometry(84, 36, 283, 70);
    bodyLabel_->setWordWrap(true);
    bodyLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    icons_[kWarning] = MakeIcon("ImageWarning", QStyle::SP_MessageBoxWarning);
    icons_[kStop] = MakeIcon("ImageStop", QStyle::SP_MessageBoxCritical);
    icons_[kQuestion] = MakeIcon("ImageQuestion", QStyle::SP_MessageBoxQuestion);
    for (int i = 0; i < 3; ++i) {
        buttons_[i] = Child<QPushButton>(this);
        buttons_[i]->setObjectName(QString("Button%1").arg(i + 1));
        buttons_[i]->setGeometry(kButtonX[i], 109, 80, 22);
    }
    edit1_ = Child<QLineEdit>(this);
    edit1_->setObjectName("Edit1");
    edit1_->hide();
    memo_->setVisible(style_ == MessageStyle::Memo);
    bodyLabel_->setVisible(style_ == MessageStyle::Label);
}

void TMy::FitTitle() {
    // The title line is large; a long title ("Bad number in " and a control name) steps the
    // size down so that it is read whole rather than cut off.
    QFont font = titleLabel_->font();
    int size = kTitlePointSize;
    for (; size > kTitleSmallestPointSize; --size) {
        font.setPointSize(size);
        if (QFontMetrics(font).horizontalAdvance(titleLabel_->text()) <= titleLabel_->width())
            break;
    }
    font.setPointSize(size);
    titleLabel_->setFont(font);
    titleLabel_->setWordWrap(size == kTitleSmallestPointSize);
}

void TMy::SetTitleCaption(const QString& caption) {
    setWindowTitle(caption);
}

void TMy::HideAll() {
    for (QPushButton* b : buttons_) {
        b->hide();
        b->disconnect(this);
        b->setDefault(false);
        b->setAutoDefault(false);
    }
    for (QLabel* i : icons_)
        i->hide();
    focusButton_ = nullptr;
}

void TMy::Prepare(const QString& title, const QString& body, int messageType) {
    messageType_ = messageType;
    titleLabel_->setText(title);
    FitTitle();
    if (style_ == MessageStyle::Memo)
        memo_->setPlainText(body);
    else
        bodyLabel_->setText(body);
    titleLabel_->resize(298, 37);
    bodyLabel_->resize(283, 70);
    HideAll();
    if (messageType < 0 || messageType >= static_cast<int>(std::size(kKinds))) return;
    const KindSpec& kind = kKinds[messageType];
    for (int i = 0; i < kind.count; ++i) {
        const ButtonSpec& spec = kind.buttons[i];
        QPushButton* b = buttons_[spec.slot];
        b->setText(spec.caption);
        const int result = spec.result;
        connect(b, &QPushButton::clicked, this, [this, result] { done(result); });
        b->show();
    }
    icons_[kind.icon]->show();
    focusButton_ = buttons_[kind.buttons[kind.focus].slot];
    focusButton_->setDefault(true);
    focusButton_->setFocus();
}

int TMy::Mess(const QString& title, const QString& body, int messageType) {
    Prepare(title, body, messageType);
    return exec();
}

void TMy::reject() {
    done(kResultCancel);
}

void TMy::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (memo_->isVisible())
        memo_->setFocus();
    else if (focusButton_)
        focusButton_->setFocus();
}

} // namespace brevant
