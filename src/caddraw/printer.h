// The system printer as the CAD view sees it: a page size, a print job and a page canvas.
#pragma once

#include "caddraw/canvas.h"

#include <string>

namespace brevant {

class IPrinter {
public:
    virtual ~IPrinter() = default;

    // Page size in device units (pixels of the printer).
    virtual double PageWidth() const = 0;
    virtual double PageHeight() const = 0;

    // Starts a job with the title; false when the printer refuses it.
    virtual bool BeginDoc(const std::string& title) = 0;
    virtual void EndDoc() = 0;
    virtual void AbortDoc() = 0;
    virtual void NewPage() = 0;
    // True between BeginDoc and EndDoc / AbortDoc.
    virtual bool Printing() const = 0;

    // The canvas of the current page.
    virtual ICanvas& Canvas() = 0;
    // Sets the page font for texts printed on the canvas.
    virtual void SetFont(const std::string& family, double size) = 0;
};

} // namespace brevant
