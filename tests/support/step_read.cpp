// The kernel's STEP reader over a written file.
#include "support/step_read.h"

#include <BRepBndLib.hxx>
#include <BRepCheck_Analyzer.hxx>
#include <BRepGProp.hxx>
#include <Bnd_Box.hxx>
#include <GProp_GProps.hxx>
#include <IFSelect_ReturnStatus.hxx>
#include <Interface_Static.hxx>
#include <Message.hxx>
#include <Message_Messenger.hxx>
#include <Message_PrinterOStream.hxx>
#include <STEPControl_Reader.hxx>
#include <StepBasic_Product.hxx>
#include <StepData_StepModel.hxx>
#include <TColStd_SequenceOfAsciiString.hxx>
#include <TCollection_HAsciiString.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS_Shape.hxx>

#include <algorithm>
#include <limits>

namespace brevant::test {

double ReadStepFile::TotalVolume() const {
    double v = 0;
    for (const ReadSolid& s : Solids)
        v += s.Volume;
    return v;
}

TDPoint ReadStepFile::BoxMin() const {
    const double big = std::numeric_limits<double>::max();
    TDPoint m{big, big, big};
    for (const ReadSolid& s : Solids)
        m = {std::min(m.x, s.BoxMin.x), std::min(m.y, s.BoxMin.y), std::min(m.z, s.BoxMin.z)};
    return m;
}

TDPoint ReadStepFile::BoxMax() const {
    const double low = std::numeric_limits<double>::lowest();
    TDPoint m{low, low, low};
    for (const ReadSolid& s : Solids)
        m = {std::max(m.x, s.BoxMax.x), std::max(m.y, s.BoxMax.y), std::max(m.z, s.BoxMax.z)};
    return m;
}

namespace {

// Adaptive integration: the plain one misses by percents on faces with curved trims.
constexpr double kVolumeAccuracy = 1e-7;

ReadSolid Measure(const TopoDS_Shape& solid) {
    ReadSolid r;
    r.Valid = BRepCheck_Analyzer(solid).IsValid();
    GProp_GProps props;
    BRepGProp::VolumeProperties(solid, props, kVolumeAccuracy, true);
    r.Volume = props.Mass();
    Bnd_Box box;
    BRepBndLib::AddOptimal(solid, box, false, false);
    box.Get(r.BoxMin.x, r.BoxMin.y, r.BoxMin.z, r.BoxMax.x, r.BoxMax.y, r.BoxMax.z);
    for (TopExp_Explorer x(solid, TopAbs_FACE); x.More(); x.Next())
        ++r.Faces;
    return r;
}

std::string ProductName(const Handle(StepData_StepModel) & model) {
    for (int i = 1; i <= model->NbEntities(); ++i) {
        auto product = Handle(StepBasic_Product)::DownCast(model->Value(i));
        if (!product.IsNull() && !product->Name().IsNull()) return product->Name()->ToCString();
    }
    return {};
}

} // namespace

ReadStepFile ReadStep(const std::string& path, const std::string& unit) {
    Message::DefaultMessenger()->RemovePrinters(STANDARD_TYPE(Message_PrinterOStream));
    ReadStepFile out;
    STEPControl_Reader reader; // registers the translator's settings, set after it exists
    Interface_Static::SetCVal("xstep.cascade.unit", unit.c_str());
    if (reader.ReadFile(path.c_str()) != IFSelect_RetDone) return out;
    out.Read = true;
    TColStd_SequenceOfAsciiString lengths, angles, solidAngles;
    reader.FileUnits(lengths, angles, solidAngles);
    if (lengths.Length() > 0) out.FileUnit = lengths.Value(1).ToCString();
    out.Product = ProductName(reader.StepModel());
    reader.TransferRoots();
    const TopoDS_Shape shape = reader.OneShape();
    for (TopExp_Explorer x(shape, TopAbs_SOLID); x.More(); x.Next())
        out.Solids.push_back(Measure(x.Current()));
    for (TopExp_Explorer x(shape, TopAbs_FACE, TopAbs_SOLID); x.More(); x.Next())
        ++out.OtherShapes;
    return out;
}

} // namespace brevant::test
