// DimImage: the labelled dimension drawing of the current layout type, fitted to the page on
// a black background. The four drawings are SVG artwork kept in the program's resources.
#pragma once

#include <QWidget>

class QSvgRenderer;

namespace brevant {

class DimensionPicture : public QWidget {
    Q_OBJECT
public:
    explicit DimensionPicture(QWidget* parent = nullptr);

    // Loads the drawing of a layout type (0..3); anything else shows nothing.
    void SetPicture(int layoutType);
    int Picture() const { return picture_; }
    // The resource path of a layout type's drawing ("PngImage_1" to "PngImage_4").
    static QString ResourceOf(int layoutType);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSvgRenderer* renderer_ = nullptr;
    int picture_ = -1;
};

} // namespace brevant
