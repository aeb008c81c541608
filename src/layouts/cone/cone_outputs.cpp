// What the cone hands out from its last calculation: the pattern for files and the print, the
// framing of its 3D model, the wire frame, the coordinate listing, the data-sheet section and
// its results by name. Each develops again from the remembered calculation, away from the
// window.
#include "core/angle_units.h"
#include "core/messages.h"
#include "core/number_format.h"
#include "geometry/arc_points.h"
#include "layouts/cone/cone_kind.h"
#include "layouts/cone/cone_scene.h"
#include "layouts/cone/cylinder.h"
#include "layouts/cone/oblique_cone.h"
#include "layouts/cone/regular_cone.h"
#include "layouts/cone/side_cuts.h"

namespace brevant {

namespace {

constexpr int kFileResolution = 150;  // an oblique development for a file
constexpr int kPrintResolution = 100; // the full-scale print
constexpr int kFinePrintResolution = 360;
constexpr int kReportResolution = 40; // the coordinate listing
constexpr int kWireFramePoints = 40;  // ring points of the 3D wire frame

// Bend, side-cut and seam lines need one ring point per degree to meet the outline.
int PrintResolution(const ConeFormValues& v, const ConeDefinition& d) {
    const bool bends = v.ShowBends && static_cast<int>(v.Bends) > 3;
    const bool arcs = !v.TopArcLength.empty() && !v.BottomArcLength.empty();
    const bool widths = !v.TopCutWidth.empty() && !v.BottomCutWidth.empty();
    const bool cuts = v.ShowSideCuts && (arcs || widths);
    const bool seam = v.ShowSeam && d.SeamAngle > 0;
    return bends || cuts || seam ? kFinePrintResolution : kPrintResolution;
}

void DevelopForPrint(ConeJob& job) {
    job.Drv.PdfInProgress = true;
    if (job.Def.IsCylinder) {
        if (job.Cone.IsObliqueCone && (job.Def.TopAngle != 0 || job.Def.BottomAngle != 0))
            DrawObliqueCylinderPattern(job);
        else
            DrawCylinderPattern(job);
        if (SideCutsApply(job)) {
            SideCutAngles(job);
            DrawSideCutLines(job);
        }
    } else if (job.Cone.IsObliqueCone) {
        DrawObliqueConePattern(job);
    } else {
        DrawRegularConePatternForPrint(job);
    }
}

bool IsOblique(const ConeDefinition& d) {
    return d.TopShift != 0 || d.TopAngle != 0 || d.BottomAngle != 0;
}

} // namespace

bool ConeKind::DevelopsAgainForFiles() const {
    return IsOblique(Def);
}

FlatPattern ConeKind::PatternFor(PatternUse use) const {
    if (use == PatternUse::View || !developed_) return pattern_;
    if (use == PatternUse::File) {
        // The oblique pattern is written from a finer development.
        if (!IsOblique(calculated_)) return pattern_;
        ConeScratch scratch(*this, kFileResolution);
        if (calculated_.IsCylinder)
            DrawObliqueCylinderPattern(scratch.Job());
        else
            DrawObliqueConePattern(scratch.Job());
        return scratch.Take();
    }
    ConeScratch scratch(*this, PrintResolution(formValues_, calculated_));
    DevelopForPrint(scratch.Job());
    return scratch.Take();
}

std::optional<ViewFraming> ConeKind::Framing(const PartScene& s, UnitSystem) const {
    ViewFraming f;
    f.Framable = Def.BottomDiameter != 0 && Def.ConeHeight != 0;
    f.Height = Def.ConeHeight * s.DisplayScale;
    f.CameraY = -f.Height / 2;
    f.MovesTopPivotX = true;
    f.TopPivotX = Def.TopShift * s.DisplayScale;
    f.TurnsBottomPivot = true;
    f.BottomPivotRotationZ = Def.BottomAngle;
    return f;
}

KindWireFrame ConeKind::WireFrameOf() const {
    KindWireFrame out;
    PartScene scene;
    SceneJob job{scene, Def, kWireFramePoints};
    PlaceEndPlanes(job);
    const TRingPair rings = ConeSolidRings(job);
    AddRingWireFrame(out.Frame, rings.Top, rings.Bottom, Standing(scene.TopPivotPosition));
    if (!sideCutsApply_) return out;
    // The cut runs from the top circle, at the cone's height even on a tilted top, to the
    // bottom circle; the second cut is its mirror image across y = 0.
    TDPoint p1, p2;
    PointArcAngle(TDArc{{Def.TopShift, 0, Def.ConeHeight}, Def.TopDiameter / 2.0, 0, 0},
                  State.SideCutTopAngle, p1);
    PointArcAngle(TDArc{{0, 0, 0}, Def.BottomDiameter / 2.0, 0, 0}, State.SideCutBottomAngle, p2);
    out.Frame.Line(p1, p2, kColorCyan);
    out.Frame.Line({p1.x, -p1.y, p1.z}, {p2.x, -p2.y, p2.z}, kColorCyan);
    return out;
}

KindReport ConeKind::Report(const DocumentContext& context) const {
    // A straight cylinder has no listing.
    if (!developed_ || (calculated_.IsCylinder && !calculatedState_.IsObliqueCone)) return {};
    ConeScratch scratch(*this, kReportResolution);
    ConeJob& job = scratch.Job();
    job.Format = context.Format;
    job.DefinitionName = context.DefinitionName;
    job.Drv.ReportInProgress = true;
    if (!calculated_.IsCylinder)
        DrawObliqueConePattern(job);
    else
        DrawObliqueCylinderPattern(job);
    // A development that made no listing writes nothing either.
    if (job.Drv.ReportInProgress || job.ReportText.empty()) return {};
    return {true, job.ReportText, {}};
}

} // namespace brevant
