// The frame of an R2000 (AC1015) DXF file around the caller's entities: the header with the
// unit, the symbol tables with their entries, the model and paper space blocks, and the objects
// section with the root dictionary and the two layouts, every object with its handle and its
// owner's handle, as readers of that version expect.
#pragma once

#include <initializer_list>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace brevant {

struct DxfLayer {
    const char* name;
    int colour; // DXF colour number
};

// What the frame declares about the drawing.
struct DxfR2000Frame {
    int insUnits = 1;    // $INSUNITS: 1 inches, 4 millimetres, 5 centimetres
    int measurement = 0; // $MEASUREMENT: 0 imperial, 1 metric
    double minX = 0, minY = 0, maxX = 0, maxY = 0; // the entities' extents
    std::vector<DxfLayer> layers;                  // besides layer "0"
    int entities = 0; // how many entities the caller writes (each takes one handle)
};

// Writes the frame: Begin (everything up to the entities), one EntityStart per entity with the
// entity's own groups after it, then End (the objects and the end of the file).
class DxfR2000Writer {
public:
    DxfR2000Writer(std::ostream& out, DxfR2000Frame frame);

    void Begin();
    // The entity's type, handle (5), owner (330: the model space) and common groups (100
    // AcDbEntity, 8 layer), ready for the groups of its subclass.
    void EntityStart(const char* type, const char* layer);
    void End();

    // One group: the code right-aligned in three columns, then the value, each line ending in
    // CR LF.
    void Group(int code, const std::string& value);
    void Int(int code, int value) { Group(code, std::to_string(value)); }
    void Real(int code, double value);
    void XY(int code, double x, double y);              // codes code and code + 10
    void Point(int code, double x, double y, double z); // codes code, code + 10, code + 20

private:
    // The handles of the frame's objects, given out in order before the entities' handles.
    struct Handles {
        int blockRecordTable, layerTable, styleTable, ltypeTable, viewTable, ucsTable, vportTable,
            appidTable, dimstyleTable;
        int vport, ltypes[3], style, appid, dimstyle, firstLayer;
        int modelRecord, paperRecord, modelBlock[2], paperBlock[2];
        int rootDictionary, groupDictionary, layoutDictionary, modelLayout, paperLayout;
        int firstEntity, seed;
    };
    static Handles HandlesFor(const DxfR2000Frame& frame);
    void Handle(int code, int handle);
    void Ints(std::initializer_list<std::pair<int, int>> groups);
    void Reals(std::initializer_list<std::pair<int, double>> groups);
    void Header();
    void TableStart(const char* name, int handle, int count);
    void RecordStart(const char* type, int handle, int table, const char* subclass);
    void Tables();
    void ViewportTable();
    void LinetypeTable();
    void LayerTable();
    void TextTables();
    void BlockRecordTable();
    void Blocks();
    void Block(const char* name, int record, const int handles[2], bool paper);
    void Objects();
    void Dictionary(int handle, int owner, const std::vector<std::pair<const char*, int>>& items);
    void Layout(int handle, const char* name, int tabOrder, int record);

    std::ostream& out_;
    DxfR2000Frame frame_;
    Handles h_;
    int nextEntity_;
};

} // namespace brevant
