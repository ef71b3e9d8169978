// A member-built semi-submersible put in place of the vessel of a loaded or stored case: the
// benchmarks' typical semi-submersible (four columns, four pontoons) and their largest one, and the
// case on which the reports with and without the drag reuse are compared.
#pragma once

#include <algorithm>
#include <cmath>
#include <vector>

#include "records/data_image.h"

namespace brevant::testing {

// The sample's ship replaced by a member-built semi-submersible (metres, keel at z 0, 20 m draft):
// `columns` piercing columns of 10 m diameter, 40 m high, and, for four columns, four pontoons of
// 8 m diameter with their axes 4 m above the keel joining them in a ring. More columns stand on a
// square grid 15 m apart with no pontoons. Drag coefficient 1 across every member, none along it.
// The hydrostatics are the members' own; the notices of small differences are off.
inline void shape_semi(Tpcm& P, int columns) {
    struct Member {
        float base[3], top[3], diameter;
        int dir;  // 1 along x, 2 along y, 3 along z
    };
    std::vector<Member> members;
    if (columns == 4) {
        members = {{{30, 30, 0}, {30, 30, 40}, 10, 3},   {{30, -30, 0}, {30, -30, 40}, 10, 3},
                   {{-30, 30, 0}, {-30, 30, 40}, 10, 3}, {{-30, -30, 0}, {-30, -30, 40}, 10, 3},
                   {{-35, 30, 4}, {35, 30, 4}, 8, 1},    {{-35, -30, 4}, {35, -30, 4}, 8, 1},
                   {{30, -25, 4}, {30, 25, 4}, 8, 2},    {{-30, -25, 4}, {-30, 25, 4}, 8, 2}};
    } else {
        for (int i = 0; i < columns; ++i) {
            const float x = 15.0f * static_cast<float>(i % 10) - 67.5f, y = 15.0f * static_cast<float>(i / 10) - 30.0f;
            members.push_back({{x, y, 0}, {x, y, 40}, 10, 3});
        }
    }
    float volume = 0.0f, moment = 0.0f, awp = 0.0f, inertia = 0.0f, extent = 0.0f;
    for (const Member& m : members) {
        const float area = 0.785398f * m.diameter * m.diameter;
        if (m.dir == 3) {
            volume += area * 20.0f;
            moment += area * 20.0f * 10.0f;
            awp += area;
            inertia += area * m.base[0] * m.base[0] + area * m.diameter * m.diameter / 16.0f;
        } else {
            const float length = m.dir == 1 ? m.top[0] - m.base[0] : m.top[1] - m.base[1];
            volume += area * length;
            moment += area * length * 4.0f;
        }
        for (int j = 0; j < 2; ++j) extent = std::max(extent, 2.0f * std::fabs(m.base[j]) + m.diameter);
    }
    const float kb = moment / volume, bm = inertia / volume;
    P.VESTYP = 3;
    P.SEMI_LIKE = 1;
    P.LWVCOF = 0x777;
    P.NOWARN = 1;
    P.DISPL = volume * 1.025f;
    P.VKB = kb;
    P.VKG = 15.0f;
    P.DRAFT = 20.0f;
    P.AWP = awp;
    P.PGYR = P.RGYR = P.YGYR = 25.0f;
    P.VKMT = P.VKML = kb + bm;
    P.LWL = P.BWL = extent;
    P.NCYL = static_cast<Int>(members.size());
    for (std::size_t k = 0; k < members.size(); ++k) {
        const Member& m = members[k];
        const Int i = static_cast<Int>(k) + 1;
        const float length = m.dir == 3 ? 40.0f : m.dir == 1 ? m.top[0] - m.base[0] : m.top[1] - m.base[1];
        P.BOTTYP(i) = 0;
        P.TOPTYP(i) = m.dir == 3 ? 1 : 0;
        P.MEMDIR(i) = m.dir;
        P.MEMTYP(i) = 0;
        P.NCYLTP(i) = 1;
        P.MASCMP(i) = 0;
        P.DRGCMP(i) = 0;
        P.XAREA(i) = 0.785398f * m.diameter * m.diameter;
        const float diams[3] = {m.diameter, m.diameter, length}, cm[3] = {1.0f, 1.0f, 0.0f}, cd[3] = {1.0f, 1.0f, 0.0f};
        for (Int j = 1; j <= 3; ++j) {
            P.RCYLB(j, i) = m.base[j - 1];
            P.RCYLT(j, i) = m.top[j - 1];
            P.DIAMS(j, i) = diams[j - 1];
            P.CYLCM(j, i) = cm[j - 1];
            P.CYLCMI(j, i) = 0.0f;
            P.CYLCD(j, i) = cd[j - 1];
            P.CYLCDI(j, i) = 0.0f;
        }
    }
}

}  // namespace brevant::testing
