// Writing the R2000 frame. Handles are hexadecimal; the frame's objects take the numbers from 1
// in a fixed order, the layers and the entities follow, and $HANDSEED is the next free one.
#include "documents/dxf_r2000.h"

#include "documents/shop_numbers.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace brevant {

namespace {

constexpr const char* kEol = "\r\n";
constexpr const char* kSymbolTableRecord = "AcDbSymbolTableRecord";
// The view of the file when it is opened: the drawing's extents with a margin, in a window of
// this width-to-height ratio.
constexpr double kViewAspect = 1.5;
constexpr double kViewMargin = 1.1;

std::string Hex(int handle) {
    char text[16];
    std::snprintf(text, sizeof text, "%X", static_cast<unsigned>(handle));
    return text;
}

} // namespace

DxfR2000Writer::DxfR2000Writer(std::ostream& out, DxfR2000Frame frame)
    : out_(out), frame_(std::move(frame)), h_(HandlesFor(frame_)), nextEntity_(h_.firstEntity) {}

DxfR2000Writer::Handles DxfR2000Writer::HandlesFor(const DxfR2000Frame& frame) {
    Handles h{};
    int next = 1;
    for (int* table : {&h.blockRecordTable, &h.layerTable, &h.styleTable, &h.ltypeTable,
                       &h.viewTable, &h.ucsTable, &h.vportTable, &h.appidTable, &h.dimstyleTable})
        *table = next++;
    for (int* object : {&h.vport, &h.ltypes[0], &h.ltypes[1], &h.ltypes[2], &h.style, &h.appid,
                        &h.dimstyle, &h.modelRecord, &h.paperRecord, &h.modelBlock[0],
                        &h.modelBlock[1], &h.paperBlock[0], &h.paperBlock[1], &h.rootDictionary,
                        &h.groupDictionary, &h.layoutDictionary, &h.modelLayout, &h.paperLayout})
        *object = next++;
    h.firstLayer = next;
    next += 1 + static_cast<int>(frame.layers.size()); // layer "0" and the caller's
    h.firstEntity = next;
    h.seed = next + std::max(frame.entities, 0);
    return h;
}

void DxfR2000Writer::Group(int code, const std::string& value) {
    std::string c = std::to_string(code);
    if (c.size() < 3) c.insert(0, 3 - c.size(), ' ');
    out_ << c << kEol << value << kEol;
}

void DxfR2000Writer::Real(int code, double value) {
    Group(code, ShopNumber(value));
}

void DxfR2000Writer::Point(int code, double x, double y, double z) {
    Real(code, x);
    Real(code + 10, y);
    Real(code + 20, z);
}

void DxfR2000Writer::XY(int code, double x, double y) {
    Real(code, x);
    Real(code + 10, y);
}

void DxfR2000Writer::Ints(std::initializer_list<std::pair<int, int>> groups) {
    for (const auto& [code, value] : groups)
        Int(code, value);
}

void DxfR2000Writer::Reals(std::initializer_list<std::pair<int, double>> groups) {
    for (const auto& [code, value] : groups)
        Real(code, value);
}

void DxfR2000Writer::Handle(int code, int handle) {
    Group(code, Hex(handle));
}

void DxfR2000Writer::Begin() {
    Header();
    Group(0, "SECTION");
    Group(2, "CLASSES");
    Group(0, "ENDSEC");
    Tables();
    Blocks();
    Group(0, "SECTION");
    Group(2, "ENTITIES");
}

void DxfR2000Writer::EntityStart(const char* type, const char* layer) {
    Group(0, type);
    Handle(5, nextEntity_++);
    Handle(330, h_.modelRecord);
    Group(100, "AcDbEntity");
    Group(8, layer);
}

void DxfR2000Writer::End() {
    Group(0, "ENDSEC");
    Objects();
    Group(0, "EOF");
}

void DxfR2000Writer::Header() {
    Group(0, "SECTION");
    Group(2, "HEADER");
    Group(9, "$ACADVER");
    Group(1, "AC1015");
    Group(9, "$DWGCODEPAGE");
    Group(3, "ANSI_1252");
    Group(9, "$INSBASE");
    Point(10, 0, 0, 0);
    Group(9, "$EXTMIN");
    Point(10, frame_.minX, frame_.minY, 0);
    Group(9, "$EXTMAX");
    Point(10, frame_.maxX, frame_.maxY, 0);
    Group(9, "$HANDSEED");
    Handle(5, h_.seed);
    Group(9, "$INSUNITS");
    Int(70, frame_.insUnits);
    Group(9, "$MEASUREMENT");
    Int(70, frame_.measurement);
    Group(0, "ENDSEC");
}

// A symbol table: its handle, no owner (330 0) and the number of its entries.
void DxfR2000Writer::TableStart(const char* name, int handle, int count) {
    Group(0, "TABLE");
    Group(2, name);
    Handle(5, handle);
    Group(330, "0");
    Group(100, "AcDbSymbolTable");
    Int(70, count);
}

void DxfR2000Writer::RecordStart(const char* type, int handle, int table, const char* subclass) {
    Group(0, type);
    Handle(5, handle);
    Handle(330, table);
    Group(100, kSymbolTableRecord);
    Group(100, subclass);
}

void DxfR2000Writer::Tables() {
    Group(0, "SECTION");
    Group(2, "TABLES");
    ViewportTable();
    LinetypeTable();
    LayerTable();
    TextTables();
    BlockRecordTable();
    Group(0, "ENDSEC");
}

// The active viewport shows the whole drawing.
void DxfR2000Writer::ViewportTable() {
    TableStart("VPORT", h_.vportTable, 1);
    RecordStart("VPORT", h_.vport, h_.vportTable, "AcDbViewportTableRecord");
    Group(2, "*Active");
    Int(70, 0);
    XY(10, 0, 0); // the viewport fills the window
    XY(11, 1, 1);
    const double width = frame_.maxX - frame_.minX, height = frame_.maxY - frame_.minY;
    XY(12, frame_.minX + width / 2, frame_.minY + height / 2); // the view's centre
    XY(13, 0, 0);                                              // snap base, snap and grid steps
    XY(14, 1, 1);
    XY(15, 1, 1);
    Point(16, 0, 0, 1); // looking down the z axis
    Point(17, 0, 0, 0);
    const double viewHeight = std::max(height, width / kViewAspect) * kViewMargin;
    Real(40, viewHeight > 0 ? viewHeight : 1);
    Reals({{41, kViewAspect}, {42, 50}, {43, 0}, {44, 0}, {50, 0}, {51, 0}});
    Ints({{71, 0},
          {72, 1000},
          {73, 1},
          {74, 3},
          {75, 0},
          {76, 0},
          {77, 0},
          {78, 0},
          {281, 0},
          {65, 0}});
    Group(0, "ENDTAB");
}

void DxfR2000Writer::LinetypeTable() {
    TableStart("LTYPE", h_.ltypeTable, 3);
    const char* names[] = {"ByBlock", "ByLayer", "Continuous"};
    const char* descriptions[] = {"", "", "Solid line"};
    for (int i = 0; i < 3; ++i) {
        RecordStart("LTYPE", h_.ltypes[i], h_.ltypeTable, "AcDbLinetypeTableRecord");
        Group(2, names[i]);
        Int(70, 0);
        Group(3, descriptions[i]);
        Int(72, 65); // the alignment code, always "A"
        Int(73, 0);  // no dashes
        Real(40, 0);
    }
    Group(0, "ENDTAB");
}

void DxfR2000Writer::LayerTable() {
    TableStart("LAYER", h_.layerTable, 1 + static_cast<int>(frame_.layers.size()));
    std::vector<DxfLayer> layers{{"0", 7}};
    layers.insert(layers.end(), frame_.layers.begin(), frame_.layers.end());
    int handle = h_.firstLayer;
    for (const DxfLayer& layer : layers) {
        RecordStart("LAYER", handle++, h_.layerTable, "AcDbLayerTableRecord");
        Group(2, layer.name);
        Int(70, 0);
        Int(62, layer.colour);
        Group(6, "Continuous");
        Int(370, -3); // the default line weight
    }
    Group(0, "ENDTAB");
}

// The text style, view, UCS, application and dimension style tables, with the entries every
// drawing has.
void DxfR2000Writer::TextTables() {
    TableStart("STYLE", h_.styleTable, 1);
    RecordStart("STYLE", h_.style, h_.styleTable, "AcDbTextStyleTableRecord");
    Group(2, "Standard");
    Int(70, 0);
    Reals({{40, 0}, {41, 1}, {50, 0}});
    Int(71, 0);
    Real(42, 0.2);
    Group(3, "txt");
    Group(4, "");
    Group(0, "ENDTAB");
    TableStart("VIEW", h_.viewTable, 0);
    Group(0, "ENDTAB");
    TableStart("UCS", h_.ucsTable, 0);
    Group(0, "ENDTAB");
    TableStart("APPID", h_.appidTable, 1);
    RecordStart("APPID", h_.appid, h_.appidTable, "AcDbRegAppTableRecord");
    Group(2, "ACAD");
    Int(70, 0);
    Group(0, "ENDTAB");
    TableStart("DIMSTYLE", h_.dimstyleTable, 1);
    Group(100, "AcDbDimStyleTable");
    Group(0, "DIMSTYLE");
    Handle(105, h_.dimstyle); // a dimension style's handle has its own code
    Handle(330, h_.dimstyleTable);
    Group(100, kSymbolTableRecord);
    Group(100, "AcDbDimStyleTableRecord");
    Group(2, "Standard");
    Int(70, 0);
    Group(0, "ENDTAB");
}

// The model and paper space, each tied to its layout (340).
void DxfR2000Writer::BlockRecordTable() {
    TableStart("BLOCK_RECORD", h_.blockRecordTable, 2);
    RecordStart("BLOCK_RECORD", h_.modelRecord, h_.blockRecordTable, "AcDbBlockTableRecord");
    Group(2, "*Model_Space");
    Handle(340, h_.modelLayout);
    RecordStart("BLOCK_RECORD", h_.paperRecord, h_.blockRecordTable, "AcDbBlockTableRecord");
    Group(2, "*Paper_Space");
    Handle(340, h_.paperLayout);
    Group(0, "ENDTAB");
}

void DxfR2000Writer::Blocks() {
    Group(0, "SECTION");
    Group(2, "BLOCKS");
    Block("*Model_Space", h_.modelRecord, h_.modelBlock, false);
    Block("*Paper_Space", h_.paperRecord, h_.paperBlock, true);
    Group(0, "ENDSEC");
}

// handles: the BLOCK's and the ENDBLK's.
void DxfR2000Writer::Block(const char* name, int record, const int handles[2], bool paper) {
    Group(0, "BLOCK");
    Handle(5, handles[0]);
    Handle(330, record);
    Group(100, "AcDbEntity");
    if (paper) Int(67, 1);
    Group(8, "0");
    Group(100, "AcDbBlockBegin");
    Group(2, name);
    Int(70, 0);
    Point(10, 0, 0, 0);
    Group(3, name);
    Group(1, "");
    Group(0, "ENDBLK");
    Handle(5, handles[1]);
    Handle(330, record);
    Group(100, "AcDbEntity");
    if (paper) Int(67, 1);
    Group(8, "0");
    Group(100, "AcDbBlockEnd");
}

void DxfR2000Writer::Objects() {
    Group(0, "SECTION");
    Group(2, "OBJECTS");
    Dictionary(h_.rootDictionary, 0,
               {{"ACAD_GROUP", h_.groupDictionary}, {"ACAD_LAYOUT", h_.layoutDictionary}});
    Dictionary(h_.groupDictionary, h_.rootDictionary, {});
    Dictionary(h_.layoutDictionary, h_.rootDictionary,
               {{"Layout1", h_.paperLayout}, {"Model", h_.modelLayout}});
    Layout(h_.modelLayout, "Model", 0, h_.modelRecord);
    Layout(h_.paperLayout, "Layout1", 1, h_.paperRecord);
    Group(0, "ENDSEC");
}

// A dictionary (owner 0: the root) and its entries, name (3) and object (350).
void DxfR2000Writer::Dictionary(int handle, int owner,
                                const std::vector<std::pair<const char*, int>>& items) {
    Group(0, "DICTIONARY");
    Handle(5, handle);
    Handle(330, owner);
    Group(100, "AcDbDictionary");
    Int(281, 1); // entries are kept when their objects are copied
    for (const auto& [name, object] : items) {
        Group(3, name);
        Handle(350, object);
    }
}

// A layout with the plot settings of no plotter, its limits and extents those of the drawing.
void DxfR2000Writer::Layout(int handle, const char* name, int tabOrder, int record) {
    Group(0, "LAYOUT");
    Handle(5, handle);
    Handle(330, h_.layoutDictionary);
    Group(100, "AcDbPlotSettings");
    Group(1, "");
    Group(2, "none_device");
    Group(4, "");
    Group(6, "");
    for (int code = 40; code <= 49; ++code) // margins, paper size, origin and window
        Real(code, 0);
    Reals({{140, 0}, {141, 0}, {142, 1}, {143, 1}});
    Ints({{70, 688}, {72, 0}, {73, 0}, {74, 5}});
    Group(7, "");
    Int(75, 16);
    Reals({{147, 1}, {148, 0}, {149, 0}});
    Group(100, "AcDbLayout");
    Group(1, name);
    Int(70, 1);
    Int(71, tabOrder);
    XY(10, 0, 0); // limits
    XY(11, 12, 9);
    Point(12, 0, 0, 0);
    Point(14, frame_.minX, frame_.minY, 0);
    Point(15, frame_.maxX, frame_.maxY, 0);
    Real(146, 0);
    Point(13, 0, 0, 0);
    Point(16, 1, 0, 0);
    Point(17, 0, 1, 0);
    Int(76, 0);
    Handle(330, record);
}

} // namespace brevant
