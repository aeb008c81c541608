// The widget that shows one of the engine's CAD views: it paints the view's off-screen image,
// forwards resize, mouse and wheel events to the view's own interaction logic and draws the
// rubber band of a box zoom. It holds the view by reference; the engine owns it.
#pragma once

#include "caddraw/cad_draw.h"
#include "painter_canvas.h"

#include <QWidget>

#include <functional>

namespace brevant {

class CadViewWidget : public QWidget {
    Q_OBJECT
public:
    CadViewWidget(TCadDraw& view, QWidget* parent = nullptr);
    ~CadViewWidget() override;

    TCadDraw& View() { return view_; }
    // The current picture (for tests and screenshots).
    QImage Picture();

    // Runs after a mouse release (the window clears its busy flag there).
    std::function<void()> onMouseRelease;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void SyncCursor();

    TCadDraw& view_;
    ImageCanvas canvas_;
    int wheelRemainder_ = 0;
};

// The shift state of a mouse event in the view's terms.
TShiftState ShiftStateOf(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);

} // namespace brevant
