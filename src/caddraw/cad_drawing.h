// A CAD drawing: its element list, settings record, extents, groups and chain list, the
// Make... operations and its files. It paints nothing and has no canvas, size or mouse; a view
// (TCadDraw) shows it and is told through two hooks when an operation changes what is shown.
#pragma once

#include "caddraw/elements.h"
#include "caddraw/settings.h"
#include "geometry/types.h"

#include <cstdint>
#include <string>
#include <utility>

namespace brevant {

// The coordinate checks of a new element of a type: NaN anywhere, or a position or radius
// beyond 1e9, rejects it; an unusable z becomes 0. False when the element would be rejected.
bool CheckElementCoords(int type, TCoords& coords);

class TCadDrawing {
public:
    TCadDrawing() = default;
    TCadDrawing(const TCadDrawing&) = delete; // the lists point back at their drawing
    TCadDrawing& operator=(const TCadDrawing&) = delete;
    virtual ~TCadDrawing() = default;

    // ---- Properties -------------------------------------------------------------------
    // The colour the drawing is shown on; the CDL and DXF readers choose black or white by it.
    // Setting it shows the drawing again.
    TColor BackgroundColor() const { return backgroundColor_; }
    void SetBackgroundColor(TColor color);
    int CadType() const { return settings_.cad_type; }
    void SetCadType(int type); // outside 1..3 stores 1
    TColor DrawColor() const { return settings_.CurrentColor; }
    void SetDrawColor(TColor color) { settings_.CurrentColor = color; }

    TSettings& CadSettings() { return settings_; }
    const TSettings& CadSettings() const { return settings_; }
    TElements& Elements() { return elements_; }
    const TElements& Elements() const { return elements_; }
    // Copies the list into the drawing's own list, which stays owned by this drawing.
    void SetElements(const TElements& source) {
        elements_.Assign(source);
        elements_.SetCaddraw(this);
    }
    TElementChain& ElementChain() { return chain_; }
    const TElementChain& ElementChain() const { return chain_; }

    // ---- Creating elements (each returns the new index, or 0 when rejected) -------------
    int MakePoint(double x, double Y, double Z);
    int MakeLine(double x1, double y1, double z1, double x2, double y2, double z2);
    int MakeArc(int view, double x, double Y, double Z, double radius, double StartAngle,
                double EndAngle);
    int MakeText(double x1, double y1, const std::string& s);
    int MakeRectangle(double center_x, double center_y, double rect_width, double rect_height,
                      TColor Fillcolor, TColor LineColor);
    int MakePointX(const TDPoint& point1);
    int MakeLineX(const TDLine& line1);
    int MakeArcX(const TDArc& Arc1);
    // The one creation step behind every Make..., group copy and file reader: checks the
    // coordinates, normalises layer, view and style, appends and grows the running extents.
    int AddElement(int Etype, TColor LineColor, const TCoords& coords, TColor FillColor,
                   int linetype, int Layer, int Highlight, const std::string& text, int view);

    // ---- Extents ----------------------------------------------------------------------
    // Grows min_x..max_y by one element and clamps them to +-10000.
    void UpdateExtents(const TElement& element);
    // Recomputes the extents from every undeleted element on a visible layer.
    void SetExtents();
    void DoMaxMin() { SetExtents(); }

    // ---- Editing the drawing ----------------------------------------------------------
    void AddToGroup(int Index); // 0 = every element
    void ClearGroup();
    void DeleteGroup();
    void RotateGroup(double angle, double CenterX, double CenterY, int NumberOfTimes, bool leave);
    void ShiftGroup(double X, double Y, double Z, int NumberOfTimes, bool leave);
    void ClearDeleted() { elements_.ClearDeleted(); }
    int DeleteDuplicates(bool AllLayers) { return elements_.DeleteDuplicates(AllLayers); }
    // Collects the lines and arcs joined end to end from StartElement into ElementChain.
    // EndElement < 0 means "not given"; EndSearch 0 means the last index.
    void MakeElementChain(int StartElement, int EndElement, const TDPoint& StartPoint,
                          int StartSearch, int EndSearch);
    // Moves every element so that (x, Y, Z) becomes the origin, then shows the drawing again.
    void NewOrigin(double x, double Y, double Z);
    TElement* FindItemID(std::int64_t id) { return elements_.FindItemID(id); }
    void DeleteAllElements() { elements_.Clear(); }
    bool LayerVisible(int layer) const;
    void SetLayerVisible(int layer, bool visible); // layers 0 to 254; others ignored

    // ---- Files (CDL, DXF, IGES by CadType) ---------------------------------------------
    bool SaveToFile(const std::string& path);
    bool LoadFromFile(const std::string& path);
    const std::string& LastError() const { return lastError_; }

protected:
    // Hooks for the view that shows this drawing; a plain drawing ignores them.
    // The look of element `index` changed (picked, grouped, chained or being erased).
    virtual void ElementChanged(int /*index*/) {}
    // The drawing as a whole must be shown again.
    virtual void DrawingChanged() {}

    void SetLastError(std::string text) { lastError_ = std::move(text); }

private:
    void AddRotatedCopy(const TElement& e, double angle, double cx, double cy);
    void AddShiftedCopy(const TElement& e, double dx, double dy, double dz);

    TSettings settings_;
    TElements elements_{this};
    TElementChain chain_{this};
    TColor backgroundColor_ = 0;
    std::string lastError_;
};

} // namespace brevant
