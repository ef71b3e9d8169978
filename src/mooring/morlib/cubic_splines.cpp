// Cubic and bicubic splines in single precision.
#include "mooring/morlib/cubic_splines.h"

#include <array>
#include <stdexcept>
#include <string>

#include "records/data_image.h"
#include "sysutl/units.h"

namespace brevant {

namespace {

// Element (j, k) of a table stored with the leading dimension of the statics tables.
inline std::size_t table_index(Int j, Int k) {
    return static_cast<std::size_t>((j - 1) + SPLINE_TABLE_LD * (k - 1));
}

void check_table_size(Int m, Int n, const char* who) {
    if (m < 0 || m > SPLINE_TABLE_LD || n < 0 || n > SPLINE_MAX_COLUMNS)
        throw std::invalid_argument(std::string(who) + ": table of " + std::to_string(m) + " x " +
                                    std::to_string(n) + " beyond the work storage");
}

}  // namespace

void spline(const Real* x, const Real* y, Int n, Real yp1, Real ypn, Real* y2) {
    if (n > SPLINE_MAX_POINTS)
        throw std::invalid_argument("spline: " + std::to_string(n) + " points beyond the work storage");
    if (n < 2) {
        if (n == 1) y2[0] = 0.0f;
        return;
    }
    // 1-based views of the arrays, so the formulas read as written.
    auto X = [x](Int i) { return x[i - 1]; };
    auto Y = [y](Int i) { return y[i - 1]; };
    auto Y2 = [y2](Int i) -> Real& { return y2[i - 1]; };
    std::array<Real, SPLINE_MAX_POINTS> work{};
    auto u = [&work](Int i) -> Real& { return work[static_cast<std::size_t>(i - 1)]; };

    // Forward reduction: after point i, y2(i) = Y2(i) y2(i+1) + u(i) holds with the stored Y2(i) the
    // multiplier and u(i) the right-hand side, both scaled by the diagonal.
    if (yp1 > SPLINE_NATURAL_END) {
        Y2(1) = 0.0f;
        u(1) = 0.0f;
    } else {
        Y2(1) = -0.5f;
        u(1) = (3.0f / (X(2) - X(1))) * ((Y(2) - Y(1)) / (X(2) - X(1)) - yp1);
    }
    for (Int i = 2; i <= n - 1; ++i) {
        const Real sig = (X(i) - X(i - 1)) / (X(i + 1) - X(i - 1));
        const Real p = sig * Y2(i - 1) + 2.0f;
        Y2(i) = (sig - 1.0f) / p;
        u(i) = (6.0f * ((Y(i + 1) - Y(i)) / (X(i + 1) - X(i)) - (Y(i) - Y(i - 1)) / (X(i) - X(i - 1))) /
                    (X(i + 1) - X(i - 1)) -
                sig * u(i - 1)) /
               p;
    }
    Real qn = 0.0f;
    Real un = 0.0f;
    if (!(ypn > SPLINE_NATURAL_END)) {
        qn = 0.5f;
        un = (3.0f / (X(n) - X(n - 1))) * (ypn - (Y(n) - Y(n - 1)) / (X(n) - X(n - 1)));
    }
    Y2(n) = (un - qn * u(n - 1)) / (qn * Y2(n - 1) + 1.0f);
    // Back substitution from the last point.
    for (Int k = n - 1; k >= 1; --k) Y2(k) = Y2(k) * Y2(k + 1) + u(k);
}

Real spline_interval(const Real* xa, Int n, Real x, Int& klo, Int& khi) {
    klo = 1;
    khi = n;
    while (khi - klo > 1) {
        const Int k = (khi + klo) / 2;
        if (xa[k - 1] > x)
            khi = k;
        else
            klo = k;
    }
    const Real h = xa[khi - 1] - xa[klo - 1];
    if (h == 0.0f) {
        // Nothing can be interpolated on a zero interval: say so, and wait where somebody can answer.
        const Int unit = TPCM.EDUNIT;
        write_record(unit, " bad xa input in splint");
        if (unit != SILENT_UNIT) (void)read_keyboard_line(KBD_UNIT);
    }
    return h;
}

void splint(const Real* xa, const Real* ya, const Real* y2a, Int n, Real x, Real& y) {
    if (n < 1) {
        y = 0.0f;
        return;
    }
    if (n == 1) {
        y = ya[0];
        return;
    }
    Int klo = 0;
    Int khi = 0;
    const Real h = spline_interval(xa, n, x, klo, khi);
    if (h == 0.0f) {
        // After the report the evaluation goes on with the value at the point, never a NaN.
        y = ya[klo - 1];
        return;
    }
    const Real a = (xa[khi - 1] - x) / h;
    const Real b = (x - xa[klo - 1]) / h;
    y = a * ya[klo - 1] + b * ya[khi - 1] +
        ((a * a * a - a) * y2a[klo - 1] + (b * b * b - b) * y2a[khi - 1]) * (h * h) / 6.0f;
}

void splie2(const Real* /*x1a*/, const Real* x2a, const Real* ya, Int m, Int n, Real* y2a) {
    check_table_size(m, n, "splie2");
    std::array<Real, SPLINE_MAX_COLUMNS> row{};
    std::array<Real, SPLINE_MAX_COLUMNS> row2{};
    for (Int j = 1; j <= m; ++j) {
        for (Int k = 1; k <= n; ++k) row[static_cast<std::size_t>(k - 1)] = ya[table_index(j, k)];
        spline(x2a, row.data(), n, 1.0e30f, 1.0e30f, row2.data());
        for (Int k = 1; k <= n; ++k) y2a[table_index(j, k)] = row2[static_cast<std::size_t>(k - 1)];
    }
}

void splin2(const Real* x1a, const Real* x2a, const Real* ya, const Real* y2a, Int m, Int n, Real x1, Real x2,
            Real& y) {
    check_table_size(m, n, "splin2");
    std::array<Real, SPLINE_MAX_COLUMNS> row{};
    std::array<Real, SPLINE_MAX_COLUMNS> row2{};
    std::array<Real, SPLINE_MAX_COLUMNS> column{};
    std::array<Real, SPLINE_MAX_COLUMNS> column2{};
    for (Int j = 1; j <= m; ++j) {
        for (Int k = 1; k <= n; ++k) {
            row[static_cast<std::size_t>(k - 1)] = ya[table_index(j, k)];
            row2[static_cast<std::size_t>(k - 1)] = y2a[table_index(j, k)];
        }
        splint(x2a, row.data(), row2.data(), n, x2, column[static_cast<std::size_t>(j - 1)]);
    }
    spline(x1a, column.data(), m, 1.0e30f, 1.0e30f, column2.data());
    splint(x1a, column.data(), column2.data(), m, x1, y);
}

}  // namespace brevant
