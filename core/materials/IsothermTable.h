#pragma once

#include <vector>

namespace porvap {

// Third column of an isotherm row, wrapped so that storing it alone reads unambiguously.
struct Slope {
    double value;
};

// Sorption isotherm on an equally spaced relative-humidity index covering 0 to 1.2.
// Row k holds relative humidity x (fraction), moisture content y (m3/m3) and the
// third file column z, which the engine uses as d(phi)/d(theta).
// Every lookup answers -1 / -1.0 when it falls outside the table.
class IsothermTable {
  public:
    static constexpr double kSpan = 1.2;

    explicit IsothermTable(int intervals);

    int Intervals() const { return n_; }
    double Step() const { return step_; }

    int RowIndex(double x) const;
    int SetRow(double x, double y);
    int SetRow(double x, double y, double z);
    int SetRow(double x, Slope z);

    double MoistureAt(double x) const;
    double HumidityAt(double y) const;
    double SlopeAt(double y) const;

    double X(int k) const { return rows_[k].x; }
    double Y(int k) const { return rows_[k].y; }
    double Z(int k) const { return rows_[k].z; }
    bool IsDefined(int k) const { return rows_[k].defined; }

    // Rows that no file row reached take the values of the nearest defined row below
    // (above, for leading rows), at their own abscissa, so every lookup sees a full table.
    void FillUndefinedRows();

  private:
    struct Row {
        double x = 0.0;
        double y = 0.0;
        double z = 0.0;
        bool defined = false;
    };

    int SecantRow(double y) const;

    int n_;
    double step_;
    std::vector<Row> rows_;
};

double LinearInterpolate(double a, double b, double t, double ta, double tb);

}  // namespace porvap
