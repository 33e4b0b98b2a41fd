#include "core/materials/IsothermTable.h"

#include <cmath>

namespace porvap {

double LinearInterpolate(double a, double b, double t, double ta, double tb) {
    if (std::fabs(std::trunc((tb - ta) * 1e6)) < 1.0)
        return a;
    return b - (b - a) * (tb - t) / (tb - ta);
}

IsothermTable::IsothermTable(int intervals)
    : n_(intervals), step_(kSpan / intervals), rows_(intervals + 1) {}

int IsothermTable::RowIndex(double x) const {
    const double d = x / step_;
    if (!(d >= 0.0) || d >= n_) {
        return (d >= 0.0 && std::trunc(d) == n_) ? n_ : -1;
    }
    const double lower = std::floor(d);
    const double upper = std::ceil(d);
    return static_cast<int>((d - lower < upper - d) ? lower : upper);
}

int IsothermTable::SetRow(double x, double y) {
    const int k = RowIndex(x);
    if (k < 0)
        return -1;
    rows_[k].x = x;
    rows_[k].y = y;
    rows_[k].defined = true;
    return 0;
}

int IsothermTable::SetRow(double x, double y, double z) {
    const int k = RowIndex(x);
    if (k < 0)
        return -1;
    rows_[k] = Row{x, y, z, true};
    return 0;
}

int IsothermTable::SetRow(double x, Slope z) {
    const int k = RowIndex(x);
    if (k < 0)
        return -1;
    rows_[k].z = z.value;
    return 0;
}

double IsothermTable::MoistureAt(double x) const {
    const double d = x / step_;
    if (!(d >= 0.0) || d >= n_) {
        return (d >= 0.0 && std::trunc(d) == n_) ? rows_[n_].y : -1.0;
    }
    const int k1 = static_cast<int>(std::floor(d));
    const int k2 = static_cast<int>(std::ceil(d));
    if (k1 == k2)
        return rows_[k1].y;
    return LinearInterpolate(rows_[k1].y, rows_[k2].y, x, rows_[k1].x, rows_[k2].x);
}

// Secant search for the row bracketing y. A table whose moisture content decreases
// somewhere may send the search outside the table or into a cycle: both end in -1.
int IsothermTable::SecantRow(double y) const {
    int lo = 0;
    int hi = n_;
    int previous = 0;
    for (int guard = 0; guard <= n_ + 1; ++guard) {
        const double xs = LinearInterpolate(rows_[lo].x, rows_[hi].x, y, rows_[lo].y, rows_[hi].y);
        const int k = RowIndex(xs);
        if (k < 0)
            return -1;
        if (k == previous)
            return k;
        previous = k;
        if (rows_[k].y < y) {
            lo = k;
        } else {
            hi = k;
        }
    }
    return -1;
}

double IsothermTable::HumidityAt(double y) const {
    if (!(y >= rows_[0].y) || y > rows_[n_].y)
        return -1.0;
    int k = SecantRow(y);
    if (k < 0)
        return -1.0;
    if (k == 0)
        k = 1;
    const int direction = (rows_[k].y <= y) ? 1 : -1;
    while (rows_[k].y < y || y < rows_[k - 1].y) {
        k += direction;
        if (k < 1 || k > n_)
            return -1.0;
    }
    return LinearInterpolate(rows_[k - 1].x, rows_[k].x, y, rows_[k - 1].y, rows_[k].y);
}

double IsothermTable::SlopeAt(double y) const {
    const double x = HumidityAt(y);
    if (x < 0.0)
        return -1.0;
    const int k = RowIndex(x);
    if (k < 0)
        return -1.0;
    const Row& row = rows_[k];
    if (x > row.x && k < n_) {
        return LinearInterpolate(row.z, rows_[k + 1].z, y, row.y, rows_[k + 1].y);
    }
    if (x < row.x && k > 0) {
        return LinearInterpolate(rows_[k - 1].z, row.z, y, rows_[k - 1].y, row.y);
    }
    return row.z;
}

void IsothermTable::FillUndefinedRows() {
    int firstDefined = -1;
    for (int k = 0; k <= n_ && firstDefined < 0; ++k) {
        if (rows_[k].defined)
            firstDefined = k;
    }
    const Row source = firstDefined >= 0 ? rows_[firstDefined] : Row{};
    Row last = source;
    for (int k = 0; k <= n_; ++k) {
        if (rows_[k].defined) {
            last = rows_[k];
            continue;
        }
        rows_[k] = Row{k * step_, last.y, last.z, false};
    }
}

}  // namespace porvap
