// The STEP file of a formed part: every piece's solid built and checked, then the file written
// through the one atomic writer.
#include "documents/step_solid.h"

#include "core/atomic_file.h"
#include "core/io_error_text.h"
#include "core/version.h"
#include "documents/step_build.h"

#include <APIHeaderSection_MakeHeader.hxx>
#include <BRepBndLib.hxx>
#include <BRepBuilderAPI_Transform.hxx>
#include <BRepGProp.hxx>
#include <BRep_Builder.hxx>
#include <Bnd_Box.hxx>
#include <GProp_GProps.hxx>
#include <IFSelect_ReturnStatus.hxx>
#include <Interface_Static.hxx>
#include <Message.hxx>
#include <Message_Messenger.hxx>
#include <Message_PrinterOStream.hxx>
#include <STEPControl_Writer.hxx>
#include <Standard_Failure.hxx>
#include <StepBasic_Product.hxx>
#include <StepData_Protocol.hxx>
#include <StepData_StepModel.hxx>
#include <StepData_StepWriter.hxx>
#include <TCollection_HAsciiString.hxx>
#include <TopoDS_Compound.hxx>
#include <XSControl_Controller.hxx>
#include <XSControl_WorkSession.hxx>

#include <cmath>
#include <cstdio>
#include <sstream>

namespace brevant {

namespace {

// The unit names the STEP translator knows.
const char* StepUnitName(UnitSystem units) {
    switch (units) {
    case kCentimeters:
        return "CM";
    case kMillimeters:
        return "MM";
    case kInches:
        break;
    }
    return "INCH";
}

std::string PlateText(double inches, UnitSystem units) {
    char text[64];
    std::snprintf(text, sizeof text, "%.6g %s", inches / UnitFactor(units), UnitShortName(units));
    return text;
}

StepSolidSummary Summarise(const TopoDS_Shape& solid) {
    GProp_GProps props;
    BRepGProp::VolumeProperties(solid, props, step::kVolumeAccuracy, true);
    Bnd_Box box;
    BRepBndLib::AddOptimal(solid, box, false, false);
    StepSolidSummary s;
    s.Volume = props.Mass();
    box.Get(s.BoxMin.x, s.BoxMin.y, s.BoxMin.z, s.BoxMax.x, s.BoxMax.y, s.BoxMax.z);
    return s;
}

step::BuiltPiece BuildPiece(const FormedPiece& piece, const step::PlateJob& job) {
    try {
        if (const auto* p = std::get_if<RuledPiece>(&piece)) return step::RuledPlate(*p, job);
        if (const auto* p = std::get_if<HelicoidPiece>(&piece)) return step::HelicoidPlate(*p, job);
        if (const auto* p = std::get_if<BranchPiece>(&piece)) return step::BranchPlate(*p, job);
        return step::FacetPlate(std::get<FacetPiece>(piece), job);
    } catch (const Standard_Failure& failure) {
        return {{}, std::string("the modelling kernel stopped: ") + failure.GetMessageString()};
    }
}

// A plate whose volume is far from its middle surface's area times the thickness has faces that
// run through each other: a plate too thick for the part's bends, or ends that cross.
bool VolumeMatchesPlate(const std::vector<TopoDS_Shape>& solids, double area, double thickness) {
    double volume = 0;
    for (const TopoDS_Shape& s : solids)
        volume += Summarise(s).Volume;
    const double expected = area * thickness;
    return expected > 0 && std::fabs(volume - expected) <= 0.02 * expected;
}

// The piece's solids, or the message saying why it has none.
std::string BuildAll(const FormedPart& part, UnitSystem units, std::vector<TopoDS_Shape>& out) {
    if (part.Pieces.empty()) return "The part has no pieces to make a solid of.";
    step::PlateJob job;
    job.Scale = 1 / UnitFactor(units);
    const double t = PlateThickness(part) * job.Scale;
    job.Faces = PlateFaceOffsets(part.Side, t);
    for (size_t i = 0; i < part.Pieces.size(); ++i) {
        const double area = DescribedArea(part.Pieces[i]) * job.Scale * job.Scale;
        job.Tolerance = std::max(1e-7, 1e-7 * std::sqrt(area));
        step::BuiltPiece built = BuildPiece(part.Pieces[i], job);
        if (built.Failure.empty() && part.Side == PlateSide::Middle &&
            !VolumeMatchesPlate(built.Solids, area, t))
            built.Failure = "the plate is too thick for its bends or its ends cross";
        if (!built.Failure.empty())
            return "No valid 3D solid of piece " + std::to_string(i + 1) + ": " + built.Failure +
                   ".";
        out.insert(out.end(), built.Solids.begin(), built.Solids.end());
    }
    return {};
}

Handle(TCollection_HAsciiString) Ascii(const std::string& text) {
    return step::MakeHandle<TCollection_HAsciiString>(text.c_str());
}

// The kernel's progress messages would mix with the program's own output.
void SilenceKernelMessages() {
    const Handle(Message_Messenger)& messenger = Message::DefaultMessenger();
    messenger->RemovePrinters(STANDARD_TYPE(Message_PrinterOStream));
}

// The STEP text of the solids, or "" when the translator refuses them.
std::string StepText(const std::vector<TopoDS_Shape>& solids, const std::string& product,
                     UnitSystem units) {
    SilenceKernelMessages();
    // The writer registers the translator's settings; they are set after it exists.
    STEPControl_Writer writer;
    Interface_Static::SetCVal("xstep.cascade.unit", StepUnitName(units));
    Interface_Static::SetCVal("write.step.unit", StepUnitName(units));
    Interface_Static::SetCVal("write.step.schema", "AP214IS");
    Interface_Static::SetCVal("write.step.product.name", product.c_str());
    writer.Model(true); // a model made after the settings takes their unit
    TopoDS_Compound all;
    BRep_Builder builder;
    builder.MakeCompound(all);
    for (const TopoDS_Shape& s : solids)
        builder.Add(all, s);
    if (writer.Transfer(all, STEPControl_ManifoldSolidBrep) != IFSelect_RetDone) return {};
    Handle(StepData_StepModel) model = writer.Model();
    // The translator numbers its products; the part's product carries the name as given.
    for (int i = 1; i <= model->NbEntities(); ++i) {
        auto item = Handle(StepBasic_Product)::DownCast(model->Value(i));
        if (item.IsNull()) continue;
        item->SetId(Ascii(product));
        item->SetName(Ascii(product));
    }
    APIHeaderSection_MakeHeader header(model);
    header.SetDescriptionValue(1, Ascii("formed sheet-metal part"));
    header.SetName(Ascii(product));
    header.SetOriginatingSystem(Ascii(std::string(kProductName) + " " + kProductVersion));
    header.SetAuthorValue(1, Ascii(kProductName));
    header.SetOrganizationValue(1, Ascii(""));
    header.Apply(model);
    auto protocol = Handle(StepData_Protocol)::DownCast(writer.WS()->NormAdaptor()->Protocol());
    StepData_StepWriter out(model);
    out.SendModel(protocol);
    std::ostringstream text;
    if (!out.Print(text)) return {};
    return text.str();
}

} // namespace

std::string StepProductName(const FormedPart& part, UnitSystem units) {
    const std::string name = part.Name.empty() ? "Formed part" : part.Name;
    if (part.Thickness > 0) return name + ", plate " + PlateText(part.Thickness, units);
    return name + ", default plate " + PlateText(kDefaultPlateThickness, units);
}

StepSolidResult BuildStepSolids(const FormedPart& part, UnitSystem units) {
    StepSolidResult result;
    std::vector<TopoDS_Shape> solids;
    result.Message = BuildAll(part, units, solids);
    if (!result.Message.empty()) return result;
    for (const TopoDS_Shape& s : solids)
        result.Solids.push_back(Summarise(s));
    return result;
}

StepSolidResult WriteStepSolids(const FormedPart& part, const std::string& path, UnitSystem units) {
    StepSolidResult result;
    std::vector<TopoDS_Shape> solids;
    result.Message = BuildAll(part, units, solids);
    if (!result.Message.empty()) return result;
    const std::string text = StepText(solids, StepProductName(part, units), units);
    if (text.empty()) {
        result.Message = "The STEP translator refused the part's solids.";
        return result;
    }
    std::string reason;
    if (!WriteFileAtomically(path, text, reason)) {
        result.Message = WriteErrorText(path, reason);
        result.WriteFailed = true;
        return result;
    }
    for (const TopoDS_Shape& s : solids)
        result.Solids.push_back(Summarise(s));
    result.Written = true;
    return result;
}

} // namespace brevant
