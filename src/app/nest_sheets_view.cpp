// Painting a nest's sheets in a grid of as many columns as makes them largest.
#include "nest_sheets_view.h"

#include "core/colors.h"
#include "documents/nest_sheets.h"
#include "painter_canvas.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace brevant {

namespace {
constexpr int kCaption = 18; // pixels above each sheet for its caption
constexpr int kGap = 8;

class WidgetCanvas : public PainterCanvas {
public:
    explicit WidgetCanvas(QPainter& painter) : painter_(painter) {}
    void Resize(int, int) override {}
    void Clear(TColor) override {}

protected:
    QPainter* Painter() override { return &painter_; }

private:
    QPainter& painter_;
};

// The columns that let n sheets of aspect h / w be drawn largest in a box.
int BestColumns(std::size_t n, double w, double h, double boxW, double boxH) {
    int best = 1;
    double bestScale = 0;
    for (int cols = 1; cols <= int(n); ++cols) {
        const int rows = int((n + std::size_t(cols) - 1) / std::size_t(cols));
        const double cellW = boxW / cols - kGap, cellH = boxH / rows - kGap - kCaption;
        const double scale = std::min(cellW / w, cellH / h);
        if (scale > bestScale) {
            bestScale = scale;
            best = cols;
        }
    }
    return best;
}
} // namespace

NestSheetsView::NestSheetsView(QWidget* parent) : QWidget(parent) {
    setMinimumSize(200, 150);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

void NestSheetsView::Show(const NestJob& job, const std::optional<NestResult>& result,
                          UnitSystem units) {
    job_ = job;
    result_ = result;
    units_ = units;
    update();
}

void NestSheetsView::paintEvent(QPaintEvent*) {
    if (!result_ || result_->sheets.empty()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    WidgetCanvas canvas(painter);
    const auto& sheets = result_->sheets;
    const double w = std::max(sheets[0].width, 1e-9), h = std::max(sheets[0].height, 1e-9);
    const int cols = BestColumns(sheets.size(), w, h, width(), height());
    const int rows = int((sheets.size() + std::size_t(cols) - 1) / std::size_t(cols));
    const double cellW = double(width()) / cols, cellH = double(height()) / rows;
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        const double left = (i % std::size_t(cols)) * cellW, top = (i / std::size_t(cols)) * cellH;
        painter.setPen(Qt::black);
        painter.drawText(QRectF(left + kGap / 2.0, top, cellW - kGap, kCaption),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         QString::fromStdString(SheetCaption(*result_, i, units_)));
        DrawNestSheet(canvas, job_, sheets[i], left + kGap / 2.0, top + kCaption, cellW - kGap,
                      cellH - kCaption - kGap, kColorGrey, kColorNavy);
    }
}

} // namespace brevant
