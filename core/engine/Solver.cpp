#include "core/engine/Solver.h"

#include <vector>

#include "core/engine/SimulationEngine.h"

namespace porvap {

namespace {

using Vector2 = BlockVector;

Block Inverse(const Block& m) {
    const double det = m[0][0] * m[1][1] - m[0][1] * m[1][0];
    return Block{{{m[1][1] / det, -m[0][1] / det}, {-m[1][0] / det, m[0][0] / det}}};
}

Block Multiply(const Block& x, const Block& y) {
    Block r{};
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j)
            r[i][j] = x[i][0] * y[0][j] + x[i][1] * y[1][j];
    return r;
}

Vector2 Multiply(const Block& x, const Vector2& v) {
    return {x[0][0] * v[0] + x[0][1] * v[1], x[1][0] * v[0] + x[1][1] * v[1]};
}

Block Subtract(const Block& x, const Block& y) {
    Block r{};
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j)
            r[i][j] = x[i][j] - y[i][j];
    return r;
}

}  // namespace

void SolveBlockSystem(SimulationEngine& engine) {
    const BlockSystem& s = engine.blocks;
    const int n = engine.n;
    // The recursion matrices P and vectors q are all the back substitution needs.
    std::vector<Block>& p = engine.scratch.recursion;
    std::vector<Vector2>& q = engine.scratch.offsets;
    Block inverse = Inverse(s.a[0]);
    p[0] = Multiply(inverse, s.e[0]);
    q[0] = Multiply(inverse, s.d[0]);
    for (int i = 1; i <= n; ++i) {
        inverse = Inverse(Subtract(s.a[i], Multiply(s.w[i], p[i - 1])));
        p[i] = Multiply(inverse, s.e[i]);
        const Vector2 wq = Multiply(s.w[i], q[i - 1]);
        q[i] = Multiply(inverse, Vector2{wq[0] + s.d[i][0], wq[1] + s.d[i][1]});
    }
    engine.thetaNew[n] = q[n][0];
    engine.tNew[n] = q[n][1];
    for (int i = n; i >= 1; --i) {
        const Block& pi = p[i - 1];
        const double theta = engine.thetaNew[i];
        const double t = engine.tNew[i];
        engine.thetaNew[i - 1] = pi[0][0] * theta + pi[0][1] * t + q[i - 1][0];
        engine.tNew[i - 1] = pi[1][0] * theta + pi[1][1] * t + q[i - 1][1];
    }
}

void SolveConduction(SimulationEngine& engine) {
    const ConductionSystem& s = engine.conduction;
    const int n = engine.n;
    std::vector<double>& p = engine.scratch.p;
    std::vector<double>& r = engine.scratch.r;
    p[0] = s.east[0] / s.diagonal[0];
    r[0] = s.rhs[0] / s.diagonal[0];
    for (int i = 1; i <= n; ++i) {
        const double denominator = s.diagonal[i] - s.west[i] * p[i - 1];
        p[i] = s.east[i] / denominator;
        r[i] = (s.west[i] * r[i - 1] + s.rhs[i]) / denominator;
    }
    engine.tNew[n] = r[n];
    for (int i = n; i >= 1; --i)
        engine.tNew[i - 1] = p[i - 1] * engine.tNew[i] + r[i - 1];
}

}  // namespace porvap
