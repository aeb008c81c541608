// The placement of a sequence of copies: each copy in turn goes to the lowest free point,
// furthest left, on the first sheet it fits on (the strip: its one sheet), in its rotation
// or in the allowed rotation that reaches least far right.
#pragma once

#include "nesting/nest_model.h"
#include "nesting/no_fit_polygon.h"

#include <functional>
#include <limits>
#include <unordered_map>
#include <vector>

namespace brevant::nest {

// One copy in the sequence: its rotation as an index into Model::rotations, or -1 to take the
// rotation that places it furthest left.
struct Gene {
    int copy = 0;
    int rotation = -1;
};

struct Placed {
    int sheet = -1;
    int rotation = -1;
    IntPoint at; // the grid point the part's centre goes to
};

struct Layout {
    std::vector<Gene> genes;
    std::vector<Placed> placed; // by position in genes
    int sheets = 0;
    double lastLength = 0; // the rightmost point of a part on the last sheet (grid units)
    double score = std::numeric_limits<double>::infinity(); // lower is better
};

// The placements of a complete layout in the job's units, sheet by sheet.
NestResult ResultOf(const Model& model, const Layout& layout);

class Decoder {
public:
    Decoder(const Model& model, NoFitCache& cache) : model_(model), cache_(cache) {}

    // Places layout.genes from position `from` on, keeping the placements before it. Returns
    // false when stop() turned true first; the layout is then incomplete.
    bool Decode(Layout& layout, std::size_t from, const std::function<bool()>& stop);

private:
    struct Near {
        const NoFitEntry* nfp;
        IntPoint at;
    };
    struct Spot {
        bool found = false;
        int rotation = -1;
        IntPoint at;
        Coord keyX = 0, keyY = 0;
        bool Beats(const Spot& o) const {
            return !o.found || keyX < o.keyX || (keyX == o.keyX && keyY < o.keyY);
        }
    };

    void Restart(const Layout& layout, std::size_t from);
    void Place(Layout& layout, std::size_t i);
    Spot BestOnSheet(const Layout& layout, int sheet, int part, int geneRotation);
    bool Lowest(const Layout& layout, int sheet, int part, int rotation, const IntBox& fit,
                IntPoint& at);
    bool Clear(const IntPoint& p, const IntBox& fit) const;
    const NoFitEntry& Nfp(int fixedPart, int fixedRotation, int part, int rotation);
    NoFitEntry MakeNfp(int fixedPart, int fixedRotation, int part, int rotation);
    NoFitCache::Key KeyOf(int fixedPart, int fixedRotation, int part, int rotation) const;
    IntBox InnerFit(const PreparedShape& shape) const;
    void Finish(Layout& layout) const;

    const Model& model_;
    NoFitCache& cache_;
    std::unordered_map<NoFitCache::Key, const NoFitEntry*> local_;
    std::vector<std::vector<int>> onSheet_; // positions placed on each sheet
    std::vector<double> usedArea_;
    std::vector<Near> near_;
};

} // namespace brevant::nest
