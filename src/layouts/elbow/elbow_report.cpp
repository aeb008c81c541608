// The segmented elbow's dimension file: its sizes and the cut heights of each kind of gore at
// every station round the circumference.
#include "layouts/elbow/elbow_kind.h"

#include <cstdio>
#include <sstream>

namespace brevant {

namespace {

std::string Padded(const std::string& text, std::size_t width) {
    return text.size() >= width ? text + " " : text + std::string(width - text.size(), ' ');
}

void WriteSizes(std::ostringstream& out, const ElbowInputs& in, const ElbowSizes& s,
                const DisplayFormat& f) {
    out << "Developed diameter (plate middle): " << f.Length(in.Diameter) << "\n";
    out << "Centreline radius: " << f.Length(in.Radius) << "\n";
    out << "Bend angle: " << f.Value(in.Angle) << " deg\n";
    out << "Middle gores: " << in.Gores << "   End gores: 2   Joints: " << in.Gores + 1 << "\n";
    out << "Mitre angle (turn of one joint): " << f.Value(s.MitreAngle) << " deg\n";
    out << "Middle gore length: heel " << f.Length(s.GoreHeel) << ", centreline "
        << f.Length(s.GoreCentre) << ", throat " << f.Length(s.GoreThroat) << "\n";
    out << "End gore length: heel " << f.Length(s.GoreHeel / 2) << ", centreline "
        << f.Length(s.GoreCentre / 2) << ", throat " << f.Length(s.GoreThroat / 2) << "\n";
    out << "Strip: " << f.Length(s.StripWidth) << " round x " << f.Length(s.StripLength)
        << " long\n";
}

void WriteHeights(std::ostringstream& out, const ElbowInputs& in, const DisplayFormat& f) {
    const ElbowSizes s = ElbowSizesOf(in);
    out << "\nCut heights along the generators, at the stations from the seam at the "
        << (in.SeamAtHeel ? "heel" : "throat") << ".\n"
        << "Cut height: on an end gore from its square end to the cut; on a middle gore from\n"
        << "its centre line to each of its two cuts. Middle gore: its full length there.\n";
    if (in.Strip)
        out << "On the strip every other gore is turned half a turn, its seam at the "
            << (in.SeamAtHeel ? "throat" : "heel") << ": see the two last columns.\n";
    out << "\n"
        << Padded("Station", 9) << Padded("Angle", 10) << Padded("Round", 12)
        << Padded("Cut height", 12) << Padded("Middle gore", 13);
    if (in.Strip) out << Padded("Turned cut", 12) << "Turned middle";
    out << "\n";
    const int n = ElbowStationCount(in);
    for (int i = 0; i < n; ++i) {
        const double phi = ElbowStationAngle(in, i);
        const double reach = ElbowMitreReach(in, in.SeamAtHeel, phi);
        out << Padded(std::to_string(i + 1), 9) << Padded(f.Value(phi), 10)
            << Padded(f.Length(s.StripWidth * i / (n - 1)), 12) << Padded(f.Length(reach), 12)
            << Padded(f.Length(2 * reach), 13);
        if (in.Strip) {
            const double turned = ElbowMitreReach(in, !in.SeamAtHeel, phi);
            out << Padded(f.Length(turned), 12) << f.Length(2 * turned);
        }
        out << "\n";
    }
}

} // namespace

std::string ElbowReportText(const ElbowInputs& in, const DisplayFormat& format,
                            const std::string& definitionName) {
    std::ostringstream out;
    out << "Segmented Elbow";
    if (!definitionName.empty()) out << "  " << definitionName;
    out << "\n\n";
    WriteSizes(out, in, ElbowSizesOf(in), format);
    WriteHeights(out, in, format);
    return out.str();
}

} // namespace brevant
