// TMy: the program's modal message box with a title line, a body, an icon and up to three
// buttons whose set, results and focus are chosen by the kind number.
#pragma once

#include "core/host.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QLineEdit;

namespace brevant {

class TMy : public QDialog {
    Q_OBJECT
public:
    TMy(QWidget* parent, MessageStyle style);

    // The window caption.
    void SetTitleCaption(const QString& caption);
    QString TitleCaption() const { return windowTitle(); }
    // Sets up the title, the body and the kind's buttons, icon and focus without showing.
    void Prepare(const QString& title, const QString& body, int messageType);
    // Prepare, then show modally; the result of the button pressed, 2 when closed by the frame.
    int Mess(const QString& title, const QString& body, int messageType);
    int MessageType() const { return messageType_; }

    // The left, middle and right button (0, 1, 2).
    QPushButton* Button(int slot) const { return buttons_[slot]; }
    // The button that takes the focus for the kind, nullptr when the kind has none.
    QPushButton* FocusButton() const { return focusButton_; }

    // Closing by the frame or Escape gives the cancel result.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void HideAll();
    void FitTitle();
    QLabel* MakeIcon(const char* name, int standardPixmap);

    MessageStyle style_;
    int messageType_ = 0;
    QLabel* titleLabel_ = nullptr;
    QPlainTextEdit* memo_ = nullptr;
    QLabel* bodyLabel_ = nullptr;
    QLabel* icons_[3] = {};
    QPushButton* buttons_[3] = {};
    QPushButton* focusButton_ = nullptr;
    QLineEdit* edit1_ = nullptr;
};

} // namespace brevant
