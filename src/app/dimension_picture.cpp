// Painting the dimension drawing of a layout type.
#include "dimension_picture.h"

#include "widget_factory.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

namespace brevant {

DimensionPicture::DimensionPicture(QWidget* parent) : QWidget(parent) {
    setObjectName("DimImage");
    setAttribute(Qt::WA_OpaquePaintEvent);
    renderer_ = Owned<QSvgRenderer>(this);
}

QString DimensionPicture::ResourceOf(int layoutType) {
    return QString(":/dimensions/PngImage_%1.svg").arg(layoutType + 1);
}

void DimensionPicture::SetPicture(int layoutType) {
    if (layoutType == picture_) return;
    picture_ = layoutType;
    // Every layout kind brings its picture as a resource of its index.
    if (layoutType >= 0 && QFile::exists(ResourceOf(layoutType)))
        renderer_->load(ResourceOf(layoutType));
    update();
}

void DimensionPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    if (picture_ < 0 || !renderer_->isValid()) return;
    // Fit the drawing into the page, keeping its proportions, with a small margin.
    const QSizeF size = renderer_->viewBoxF().size();
    const QRectF page = QRectF(rect()).adjusted(8, 8, -8, -8);
    if (size.isEmpty() || page.isEmpty()) return;
    const double k = std::min(page.width() / size.width(), page.height() / size.height());
    const QSizeF fitted = size * k;
    const QRectF target(page.center().x() - fitted.width() / 2,
                        page.center().y() - fitted.height() / 2, fitted.width(), fitted.height());
    p.setRenderHint(QPainter::Antialiasing);
    renderer_->render(&p, target);
}

} // namespace brevant
