// Printing the drawing (points, lines and arcs at a page scale) or the view's bitmap.
#include "caddraw/element_painter.h"

#include <cmath>

namespace brevant {

namespace {

constexpr const char* kPrintFont = "ARIAL";
constexpr double kPrintFontSize = 10;

} // namespace

int TCadDraw::PrintCad(IPrinter& printer, TPixelPoint StartPoint, double scale) {
    TSettings& s = CadSettings();
    const int w = painter_detail::Win(s);
    const double pageWidth = printer.PageWidth();
    double t = pageWidth / (width_ > 0 ? width_ : W());
    if (scale > 0) t *= scale;
    const bool ownJob = StartPoint.x + StartPoint.y <= 0;
    if (ownJob && !printer.BeginDoc(s.cdl_filename)) {
        SetLastError("The printer did not start the job \"" + s.cdl_filename + "\"");
        return static_cast<int>(std::trunc(StartPoint.y));
    }
    const double xs = s.xscale[w], ys = s.yscale[w];
    const float xo = s.x_plot_origin[w], yo = s.y_plot_origin[w];
    s.xscale[w] = xs * t;
    s.yscale[w] = ys * t;
    s.x_plot_origin[w] = static_cast<float>(StartPoint.x + std::nearbyint(t * xo));
    s.y_plot_origin[w] = static_cast<float>(StartPoint.y + std::nearbyint(t * yo));
    printer.Canvas().SetStrokeColor(kColorBlack);
    printer.Canvas().SetStrokeWidth(std::nearbyint(pageWidth / 8) * 0.005);
    printer.SetFont(kPrintFont, kPrintFontSize);
    printer_ = &printer;
    s.print_on = true;
    ComputeCoefficients();
    {
        TElementPainter painter(*this);
        for (const TElement& e : Elements()) {
            if (e.Deleted || !LayerVisible(e.Layer)) continue;
            if (e.Etype == kElementPoint || e.Etype == kElementLine || e.Etype == kElementArc)
                painter.Element(e, false);
        }
    }
    s.print_on = false;
    printer_ = nullptr;
    // The page y below the area printed: a view not sized yet was zoomed as H() pixels high.
    const double height = height_ > 0 ? height_ : H();
    const int result = static_cast<int>(std::trunc(StartPoint.y + height * t));
    s.xscale[w] = xs;
    s.yscale[w] = ys;
    s.x_plot_origin[w] = xo;
    s.y_plot_origin[w] = yo;
    if (ownJob) printer.EndDoc();
    return result;
}

int TCadDraw::PrintCad(IPrinter& printer) {
    return PrintCad(printer, {0, 0}, 0);
}

int TCadDraw::PrintBMP(IPrinter& printer, TPixelPoint StartPoint, double scale) {
    const double side = std::min(printer.PageWidth(), printer.PageHeight());
    double destW = side;
    double destH = width_ > 0 ? side * height_ / width_ : 0;
    if (scale > 0) destW *= scale, destH *= scale;
    const bool ownJob = StartPoint.x + StartPoint.y <= 0;
    if (ownJob && !printer.BeginDoc(CadSettings().cdl_filename)) {
        SetLastError("The printer did not start the job \"" + CadSettings().cdl_filename + "\"");
        return -1;
    }
    TRasterImage image;
    const bool ok = canvas_ && canvas_->ReadPixels(image) &&
                    printer.Canvas().DrawImage(image, StartPoint.x, StartPoint.y, destW, destH);
    if (!ok) {
        SetLastError("The view's picture could not be printed");
        if (ownJob) printer.AbortDoc();
        return -1;
    }
    if (ownJob) printer.EndDoc();
    return static_cast<int>(std::trunc(destH + StartPoint.y));
}

int TCadDraw::PrintBMP(IPrinter& printer) {
    return PrintBMP(printer, {0, 0}, 0);
}

} // namespace brevant
