// Checking a transition's inputs, and the part on the middle of the plate.
#include "layouts/transition/transition_checks.h"

#include "core/angle_units.h"
#include "layouts/transition/transition_messages.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace brevant {

namespace {

using Outcome = TransitionCheck::Outcome;

TransitionCheck Refuse(std::string message) {
    return {Outcome::Refused, std::move(message)};
}

struct Named {
    std::string Caption;
    double Value;
};

// A section's values by their captions: the width always, the length of a rectangle or an
// obround, the corner radius of a rectangle.
std::vector<Named> SectionValues(const std::string& end, const SectionSize& s) {
    std::vector<Named> values{{end + " Width", s.Width}};
    if (s.Shape != SectionShape::Round) values.push_back({end + " Length", s.Length});
    if (s.Shape == SectionShape::Rectangle) values.push_back({end + " Radius", s.Radius});
    return values;
}

TransitionCheck CheckSection(const std::string& end, const SectionSize& s) {
    const std::string width = end + " Width", length = end + " Length";
    const std::string radius = end + " Radius";
    if (s.Width < 0) return Refuse(width + kMsgTransitionNegative);
    if (s.Width < kTransitionSmallest) return Refuse(width + kMsgTransitionTooSmall);
    if (s.Shape == SectionShape::Round) return {};
    if (s.Length < 0) return Refuse(length + kMsgTransitionNegative);
    if (s.Length < kTransitionSmallest) return Refuse(length + kMsgTransitionTooSmall);
    if (s.Shape == SectionShape::Obround) return {};
    if (s.Radius < 0) return Refuse(radius + kMsgTransitionNegative);
    if (s.Radius > std::min(s.Width, s.Length) / 2) return Refuse(radius + kMsgTransitionRadius);
    return {};
}

// Every value finite and within the largest length the development takes.
TransitionCheck CheckRanges(const TransitionInputs& in) {
    const TransitionPart& p = in.Part;
    std::vector<Named> values = SectionValues("Bottom", p.Bottom);
    std::vector<Named> top = SectionValues("Top", p.Top);
    values.insert(values.end(), top.begin(), top.end());
    values.push_back({"Height", p.Height});
    values.push_back({"Top X Shift", p.XShift});
    values.push_back({"Top Y Shift", p.YShift});
    values.push_back({"Material Thickness", in.Thickness});
    for (const Named& n : values)
        if (!std::isfinite(n.Value) || std::abs(n.Value) > kTransitionLargest)
            return Refuse(n.Caption + kMsgTransitionTooLarge);
    if (!std::isfinite(p.TopAngle) || std::abs(p.TopAngle) >= 90) return Refuse(kMsgTransitionTilt);
    if (in.Thickness < 0) return Refuse(std::string("Material Thickness") + kMsgTransitionNegative);
    return {};
}

SectionSize MiddleSection(const SectionSize& s, double change) {
    SectionSize m = s;
    m.Width += change;
    m.Length += change;
    if (m.Radius > 0) m.Radius = std::max(0.0, m.Radius + change / 2);
    return m;
}

bool TooThin(const SectionSize& s) {
    return s.Width < kTransitionSmallest ||
           (s.Shape != SectionShape::Round && s.Length < kTransitionSmallest);
}

} // namespace

TransitionCheck CheckTransition(const TransitionInputs& in) {
    const TransitionPart& p = in.Part;
    const Named needed[] = {
        {"Bottom Width", p.Bottom.Width}, {"Top Width", p.Top.Width}, {"Height", p.Height}};
    for (const Named& n : needed)
        if (n.Value == 0) return {Outcome::Missing, kMsgTransitionNeeds + n.Caption + "."};
    if (TransitionCheck c = CheckRanges(in); c.Result != Outcome::Ok) return c;
    if (TransitionCheck c = CheckSection("Bottom", p.Bottom); c.Result != Outcome::Ok) return c;
    if (TransitionCheck c = CheckSection("Top", p.Top); c.Result != Outcome::Ok) return c;
    if (!(p.Height >= kTransitionSmallest)) return Refuse(kMsgTransitionHeight);
    const TransitionPart middle = MiddlePart(in);
    if (TooThin(middle.Bottom)) return Refuse(kMsgTransitionThickness + std::string("Bottom."));
    if (TooThin(middle.Top)) return Refuse(kMsgTransitionThickness + std::string("Top."));
    if (!(LowestTopPoint(middle) >= kTransitionSmallest)) return Refuse(kMsgTransitionTilt);
    return {};
}

TransitionPart MiddlePart(const TransitionInputs& in) {
    const double change = in.Side == kOutside  ? -in.Thickness
                          : in.Side == kInside ? in.Thickness
                                               : 0;
    TransitionPart p = in.Part;
    p.Bottom = MiddleSection(p.Bottom, change);
    p.Top = MiddleSection(p.Top, change);
    return p;
}

double LowestTopPoint(const TransitionPart& p) {
    const double halfWidth = p.Top.Width / 2;
    return p.Height - halfWidth * std::abs(std::sin(p.TopAngle * kRadiansPerDegree));
}

} // namespace brevant
