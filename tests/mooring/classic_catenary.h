// The classic elastic catenary in double precision, as the oracle of the mooring tests: a chain of
// elements of linear stiffness hung from the fairlead with horizontal tension H and fairlead vertical
// force V, optionally on a frictionless horizontal sea floor, and the 2 x 2 Newton solve that finds H
// and V back from the line's span and height. Written from the textbook formulas, independently of
// the solver's own element functions.
#pragma once

#include <cmath>
#include <utility>
#include <vector>

namespace brevant::testing {

struct ClassicElement {
    double L;   // unstretched length
    double w;   // weight per unit unstretched length (negative: buoyant)
    double EA;  // axial stiffness, 1 / a1
};

struct ClassicShape {
    double x = 0;      // horizontal span, fairlead to anchor end
    double z = 0;      // height of the fairlead above the anchor end
    double botln = 0;  // stretched length on the floor
    std::vector<double> V;      // vertical force at each node, node 1 the fairlead
    std::vector<double> depth;  // depth of each node below the fairlead
};

// One suspended element: x = (H/w)[asinh(V/H) - asinh((V - wL)/H)] + HL/EA,
// z = (H/w)[sqrt(1 + (V/H)^2) - sqrt(1 + ((V - wL)/H)^2)] + (VL - wL^2/2)/EA. On the floor (V < wL):
// L_B = L - V/w, x = L_B + (H/w) asinh(V/H) + HL/EA, z = (H/w)[sqrt(1 + (V/H)^2) - 1] + V^2/(2 EA w),
// grounded length L_B (1 + H/EA); every element below then lies wholly on the floor.
inline ClassicShape classic_line(double H, double V, const std::vector<ClassicElement>& elements, bool floor) {
    ClassicShape s;
    s.V.push_back(V);
    s.depth.push_back(0.0);
    bool grounded = false;
    for (const ClassicElement& e : elements) {
        const double stretch = 1.0 + H / e.EA;
        if (grounded) {
            s.x += e.L * stretch;
            s.botln += e.L * stretch;
        } else if (floor && e.w > 0 && V - e.w * e.L <= 0) {
            const double LB = e.L - V / e.w;
            s.x += LB + (H / e.w) * std::asinh(V / H) + H * e.L / e.EA;
            s.z += (H / e.w) * (std::sqrt(1 + (V / H) * (V / H)) - 1) + V * V / (2 * e.EA * e.w);
            s.botln += LB * stretch;
            V = 0;
            grounded = true;
        } else {
            const double V2 = V - e.w * e.L;
            s.x += (H / e.w) * (std::asinh(V / H) - std::asinh(V2 / H)) + H * e.L / e.EA;
            s.z += (H / e.w) * (std::sqrt(1 + (V / H) * (V / H)) - std::sqrt(1 + (V2 / H) * (V2 / H))) +
                   (V * e.L - e.w * e.L * e.L / 2) / e.EA;
            V = V2;
        }
        s.V.push_back(V);
        s.depth.push_back(s.z);
    }
    return s;
}

// H and V of the line that spans X horizontally and Z vertically, by Newton's method on the two
// span equations from the start (H0, V0), with a finite-difference Jacobian.
inline std::pair<double, double> solve_classic(double X, double Z, const std::vector<ClassicElement>& elements,
                                               bool floor, double H0, double V0) {
    double H = H0, V = V0;
    for (int it = 0; it < 60; ++it) {
        const ClassicShape s = classic_line(H, V, elements, floor);
        const double fx = s.x - X, fz = s.z - Z;
        const double dh = 1e-6 * H, dv = 1e-6 * std::fmax(std::fabs(V), 1.0);
        const ClassicShape sh = classic_line(H + dh, V, elements, floor);
        const ClassicShape sv = classic_line(H, V + dv, elements, floor);
        const double a = (sh.x - s.x) / dh, b = (sv.x - s.x) / dv;
        const double c = (sh.z - s.z) / dh, d = (sv.z - s.z) / dv;
        const double det = a * d - b * c;
        const double stepH = (d * fx - b * fz) / det, stepV = (a * fz - c * fx) / det;
        H -= stepH;
        V -= stepV;
        if (std::fabs(stepH) < 1e-13 * H && std::fabs(stepV) < 1e-13 * std::fmax(std::fabs(V), 1.0)) break;
    }
    return {H, V};
}

}  // namespace brevant::testing
