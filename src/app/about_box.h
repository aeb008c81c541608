// The About box: a slowly turning, breathing blurred picture behind a text block that slides
// up into view with the product name, the maker, the version and the comment line.
#pragma once

#include <QDialog>

class QLabel;
class QPropertyAnimation;
class QSequentialAnimationGroup;
class QGraphicsBlurEffect;
class QPushButton;

namespace brevant {

class RotatingPicture;

// The version line: "Ver. " + " " + version (two blanks between the word and the number).
QString VersionLine(const QString& version);

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(const std::string& version, QWidget* parent = nullptr);

    // True while the animations run (between showing and closing the box).
    bool Animating() const;
    QWidget* TextBlock() const { return block_; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void BuildPicture();
    void BuildTextBlock(const QString& version);

    RotatingPicture* picture_ = nullptr;
    QGraphicsBlurEffect* blur_ = nullptr;
    QWidget* block_ = nullptr;
    QPropertyAnimation* turn_ = nullptr;
    QSequentialAnimationGroup* breathe_ = nullptr;
    QPropertyAnimation* slide_ = nullptr;
};

} // namespace brevant
