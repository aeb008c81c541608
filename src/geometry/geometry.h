// All geometry routines in one include. The drawing copies live in namespace draw; call them
// qualified (draw::GetAngle), since a record argument also brings the calculator versions.
// Only the routines that differ have a drawing copy; Distance, FixAngle, GetArcAngle,
// MidPoint, Line2Points and Point2Lines serve both.
#pragma once

#include "geometry/angles.h"
#include "geometry/arc_points.h"
#include "geometry/arcs_about_centre.h"
#include "geometry/arcs_tangent_to_circles.h"
#include "geometry/arcs_tangent_to_lines.h"
#include "geometry/arcs_through_points.h"
#include "geometry/circle_3points.h"
#include "geometry/closest_points.h"
#include "geometry/constants.h"
#include "geometry/containment.h"
#include "geometry/distances.h"
#include "geometry/element_coords.h"
#include "geometry/intersections.h"
#include "geometry/lines.h"
#include "geometry/status.h"
#include "geometry/tangent_lines.h"
#include "geometry/transforms.h"
#include "geometry/types.h"
