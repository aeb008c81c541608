// The segmented elbow: a bend of total angle theta made of n middle gores and two end gores,
// each a straight piece of round duct cut by mitre planes. n + 1 mitre joints each turn
// alpha = theta / (n + 1); a middle gore runs between two mitre planes at +-alpha/2 from its
// cross-section, an end gore between a square end and one mitre plane.
#pragma once

namespace brevant {

// Lengths in inches, the angle in degrees.
struct ElbowInputs {
    double Diameter = 0; // D on the surface that is developed (the plate's middle)
    double Radius = 0;   // R, of the centreline
    double Angle = 0;    // theta, the total turn
    int Gores = 0;       // n middle gores
    int Divisions = 12;  // stations per quarter of the circumference
    bool SeamAtHeel = false;
    bool Strip = false; // all gores on one strip, neighbours sharing their cut
};

inline constexpr int kElbowMaxGores = 40;
inline constexpr int kElbowMinDivisions = 2;
inline constexpr int kElbowMaxDivisions = 48;
inline constexpr int kElbowDefaultDivisions = 12;

enum class ElbowCheck {
    Ok,
    NotEnough,       // the diameter or the radius not over 0, or the angle not given
    AngleOutOfRange, // theta not over 0 and up to 180
    GoresOutOfRange, // n not 0 to 40
    DivisionsOutOfRange,
    RadiusTooSmall, // R below D/2: the throat of the gores would cross itself
    JointTooSharp,  // one joint turning 180 degrees has no mitre plane
    TooLarge,       // beyond what the drawing holds, or not a finite number
};

// The checks in the order the driver reports them.
ElbowCheck CheckElbowInputs(const ElbowInputs& in);

// The sizes of a checked elbow.
struct ElbowSizes {
    double MitreAngle = 0;  // alpha, degrees
    double GoreCentre = 0;  // middle gore on the centreline: 2 R tan(alpha/2)
    double GoreHeel = 0;    // 2 (R + D/2) tan(alpha/2)
    double GoreThroat = 0;  // 2 (R - D/2) tan(alpha/2)
    double StripWidth = 0;  // pi D
    double StripLength = 0; // (n + 1) GoreCentre: every gore laid out with shared cuts
    double SurfaceArea = 0; // StripWidth x StripLength
};

ElbowSizes ElbowSizesOf(const ElbowInputs& in);

// Stations around the circumference: 4 x divisions + 1, the last back at the seam.
int ElbowStationCount(const ElbowInputs& in);
// The angle of station i from the seam, in degrees.
double ElbowStationAngle(const ElbowInputs& in, int station);

// How far the mitre plane stands from a gore's cross-section through its centreline point,
// along the generator phiDegrees round from the seam: (R + x) tan(alpha/2), x being the
// generator's distance from the axis towards the heel (-D/2 cos phi for a seam at the throat,
// +D/2 cos phi at the heel).
double ElbowMitreReach(const ElbowInputs& in, bool seamAtHeel, double phiDegrees);

} // namespace brevant
