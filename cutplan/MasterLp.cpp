// Revised simplex with an explicit inverse: Dantzig pricing, a two-pass ratio test, Bland's rule
// after a run of degenerate steps, a fresh inverse every hundred pivots.
#include "cutplan/MasterLp.h"

#include <algorithm>
#include <cmath>

namespace mw {
namespace {

constexpr double kPrimalTol = 1e-9;
constexpr double kDualTol = 1e-9;
constexpr double kPivotTol = 1e-9;
constexpr int kRefactorEvery = 400;
constexpr int kDegenerateRun = 60;

}  // namespace

MasterLp::MasterLp(int coverRows, int limitRows, double artificialCost)
    : rows_(coverRows + limitRows), coverRows_(coverRows) {
    // Each covering row has a surplus (−1, free) and an artificial (+1, dear); each limit row a slack.
    for (int i = 0; i < coverRows; ++i) {
        columns_.push_back({0.0, {{i, -1.0}}, false});
        columns_.push_back({artificialCost, {{i, 1.0}}, true});
    }
    for (int i = coverRows; i < rows_; ++i) columns_.push_back({0.0, {{i, 1.0}}, false});
    logicals_ = static_cast<int>(columns_.size());
    rhs_.assign(rows_, 0.0);
    ResetToLogicals();
}

void MasterLp::ResetToLogicals() {
    basis_.assign(rows_, -1);
    position_.assign(columns_.size(), -1);
    for (int i = 0; i < rows_; ++i) {
        const int column = i < coverRows_ ? 2 * i + 1 : 2 * coverRows_ + (i - coverRows_);
        basis_[i] = column;
        position_[column] = i;
    }
    inverse_.assign(static_cast<std::size_t>(rows_) * rows_, 0.0);
    for (int i = 0; i < rows_; ++i) inverse_[static_cast<std::size_t>(i) * rows_ + i] = 1.0;
    x_ = rhs_;
    for (double& v : x_) v = std::max(v, 0.0);
    dualsFresh_ = false;
    sinceRefactor_ = 0;
}

void MasterLp::Mark() {
    mark_.columns = columns_.size();
    mark_.basis = basis_;
    mark_.inverse = inverse_;
    mark_.rhs = rhs_;
    mark_.x = x_;
    mark_.pivots = pivots_;
}

void MasterLp::Rewind() {
    columns_.resize(mark_.columns);
    position_.assign(columns_.size(), -1);
    basis_ = mark_.basis;
    for (int r = 0; r < rows_; ++r) position_[basis_[r]] = r;
    inverse_ = mark_.inverse;  // copied into the space already held: no new memory
    rhs_ = mark_.rhs;
    x_ = mark_.x;
    pivots_ = mark_.pivots;
    dualsFresh_ = false;
    interrupted_ = false;
    Spend(static_cast<long long>(rows_) * rows_ / 8);
}

bool MasterLp::SetBasis(const std::vector<int>& patternPerRow) {
    ResetToLogicals();
    for (int r = 0; r < rows_ && r < static_cast<int>(patternPerRow.size()); ++r) {
        if (patternPerRow[r] < 0) continue;
        const int column = logicals_ + patternPerRow[r];
        if (position_[column] >= 0) continue;
        position_[basis_[r]] = -1;
        basis_[r] = column;
        position_[column] = r;
    }
    if (!Refactor()) {
        if (interrupted_) ResetToLogicals();
        return false;
    }
    for (double v : x_)
        if (v < -kPrimalTol) {
            ResetToLogicals();
            return false;
        }
    return true;
}

int MasterLp::AddPattern(double cost, const std::vector<Entry>& entries) {
    columns_.push_back({cost, entries, false});
    position_.push_back(-1);
    return PatternCount() - 1;
}

bool MasterLp::Refactor() {
    const int n = rows_;
    std::vector<double> b(static_cast<std::size_t>(n) * n, 0.0);
    for (int r = 0; r < n; ++r)
        for (const Entry& e : columns_[basis_[r]].entries) b[static_cast<std::size_t>(e.row) * n + r] = e.coef;
    std::vector<double> inv(static_cast<std::size_t>(n) * n, 0.0);
    for (int i = 0; i < n; ++i) inv[static_cast<std::size_t>(i) * n + i] = 1.0;
    // Gauss-Jordan with partial pivoting; B·(basic levels) = rhs, so inv = B⁻¹.
    for (int c = 0; c < n; ++c) {
        if (c % 32 == 31) {
            Spend(32LL * n);
            if (stop && stop()) {
                interrupted_ = true;  // the inverse in use stays as it was
                return false;
            }
        }
        int pivotRow = c;
        for (int r = c + 1; r < n; ++r)
            if (std::fabs(b[static_cast<std::size_t>(r) * n + c]) > std::fabs(b[static_cast<std::size_t>(pivotRow) * n + c]))
                pivotRow = r;
        const double pivot = b[static_cast<std::size_t>(pivotRow) * n + c];
        if (std::fabs(pivot) < 1e-11) {
            ResetToLogicals();
            return false;
        }
        if (pivotRow != c) {
            for (int k = 0; k < n; ++k) {
                std::swap(b[static_cast<std::size_t>(c) * n + k], b[static_cast<std::size_t>(pivotRow) * n + k]);
                std::swap(inv[static_cast<std::size_t>(c) * n + k], inv[static_cast<std::size_t>(pivotRow) * n + k]);
            }
        }
        double* brow = &b[static_cast<std::size_t>(c) * n];
        double* irow = &inv[static_cast<std::size_t>(c) * n];
        std::vector<int> bnz, inz;
        for (int k = 0; k < n; ++k) {
            if (brow[k] != 0.0) { brow[k] /= pivot; bnz.push_back(k); }
            if (irow[k] != 0.0) { irow[k] /= pivot; inz.push_back(k); }
        }
        for (int r = 0; r < n; ++r) {
            if (r == c) continue;
            const double f = b[static_cast<std::size_t>(r) * n + c];
            if (f == 0.0) continue;
            double* br = &b[static_cast<std::size_t>(r) * n];
            double* ir = &inv[static_cast<std::size_t>(r) * n];
            for (int k : bnz) br[k] -= f * brow[k];
            for (int k : inz) ir[k] -= f * irow[k];
            Spend(static_cast<long long>(bnz.size() + inz.size()));
        }
    }
    // Row c of inv now belongs to basis column c: the basis order is the column order of b.
    inverse_ = std::move(inv);
    for (int r = 0; r < n; ++r) {
        double v = 0;
        const double* row = &inverse_[static_cast<std::size_t>(r) * n];
        for (int k = 0; k < n; ++k) v += row[k] * rhs_[k];
        x_[r] = std::fabs(v) < kPrimalTol ? 0.0 : v;
    }
    dualsFresh_ = false;
    sinceRefactor_ = 0;
    return true;
}

void MasterLp::ComputeDuals() {
    Spend(static_cast<long long>(rows_) * rows_ / 4);
    duals_.assign(rows_, 0.0);
    for (int r = 0; r < rows_; ++r) {
        const double c = columns_[basis_[r]].cost;
        if (c == 0.0) continue;
        const double* row = &inverse_[static_cast<std::size_t>(r) * rows_];
        for (int k = 0; k < rows_; ++k) duals_[k] += c * row[k];
    }
    dualsFresh_ = true;
}

const std::vector<double>& MasterLp::Duals() {
    if (!dualsFresh_) ComputeDuals();
    return duals_;
}

void MasterLp::Ftran(const Column& column, std::vector<double>& w) {
    Spend(static_cast<long long>(rows_) * (1 + column.entries.size()));
    w.assign(rows_, 0.0);
    for (const Entry& e : column.entries)
        for (int r = 0; r < rows_; ++r) w[r] += inverse_[static_cast<std::size_t>(r) * rows_ + e.row] * e.coef;
    for (double& v : w)
        if (std::fabs(v) < 1e-12) v = 0.0;  // cancellation leftovers: no work for the update
}

double MasterLp::ReducedCost(const Column& column) const {
    double d = column.cost;
    for (const Entry& e : column.entries) d -= duals_[e.row] * e.coef;
    return d;
}

void MasterLp::Pivot(int row, int entering, const std::vector<double>& w, double reducedCost) {
    const double theta = x_[row] / w[row];
    for (int r = 0; r < rows_; ++r) {
        if (r == row) continue;
        x_[r] -= theta * w[r];
        if (std::fabs(x_[r]) < kPrimalTol) x_[r] = 0.0;
    }
    x_[row] = theta;
    double* prow = &inverse_[static_cast<std::size_t>(row) * rows_];
    const double inv = 1.0 / w[row];
    // The inverse of a basis of cutting patterns is mostly zeros: only the pivot row's non-zeros
    // take part in the update.
    nonzeros_.clear();
    for (int k = 0; k < rows_; ++k) {
        if (prow[k] == 0.0) continue;
        prow[k] *= inv;
        nonzeros_.push_back(k);
    }
    const bool dense = 3 * nonzeros_.size() > static_cast<std::size_t>(rows_);
    Spend(rows_ + static_cast<long long>(dense ? rows_ : nonzeros_.size()) * rows_ / 4);
    for (int r = 0; r < rows_; ++r) {
        if (r == row || w[r] == 0.0) continue;
        const double f = w[r];
        double* rr = &inverse_[static_cast<std::size_t>(r) * rows_];
        if (dense) {
            for (int k = 0; k < rows_; ++k) rr[k] -= f * prow[k];
        } else {
            for (int k : nonzeros_) rr[k] -= f * prow[k];
        }
    }
    position_[basis_[row]] = -1;
    basis_[row] = entering;
    position_[entering] = row;
    // The entering column's reduced cost goes to zero: the duals move along the new pivot row.
    if (dualsFresh_)
        for (int k = 0; k < rows_; ++k) duals_[k] += reducedCost * prow[k];
    ++pivots_;
    if (++sinceRefactor_ >= kRefactorEvery) Refactor();
}

bool MasterLp::Optimize() {
    std::vector<double> w;
    int degenerate = 0;
    bool retried = false;
    for (;;) {
        if (pivots_ > pivotLimit || interrupted_) return false;
        if (pivots_ % 32 == 0 && stop && stop()) return false;
        if (!dualsFresh_) ComputeDuals();
        Spend(static_cast<long long>(columns_.size()) * 2);
        const bool bland = degenerate >= kDegenerateRun;
        int entering = -1;
        double most = -kDualTol;
        for (int j = 0; j < static_cast<int>(columns_.size()); ++j) {
            if (position_[j] >= 0) continue;
            const double d = ReducedCost(columns_[j]);
            if (d < most) {
                entering = j;
                most = d;
                if (bland) break;
            }
        }
        if (entering < 0) return true;
        Ftran(columns_[entering], w);
        // Two passes: the largest step any row allows with a little slack, then among the rows
        // that bind within it the one with the largest pivot.
        double limit = HUGE_VAL;
        for (int r = 0; r < rows_; ++r)
            if (w[r] > kPivotTol) limit = std::min(limit, (x_[r] + kPrimalTol) / w[r]);
        if (limit == HUGE_VAL) {
            // No row bounds the step: only rounding can do that with costs that are never negative.
            if (retried) return false;
            retried = true;
            Refactor();
            continue;
        }
        int leaving = -1;
        for (int r = 0; r < rows_; ++r) {
            if (w[r] <= kPivotTol || x_[r] / w[r] > limit) continue;
            if (leaving < 0 || (bland ? basis_[r] < basis_[leaving] : w[r] > w[leaving])) leaving = r;
        }
        const double step = std::max(0.0, x_[leaving]) / w[leaving];
        x_[leaving] = std::max(0.0, x_[leaving]);
        degenerate = step < 1e-12 ? degenerate + 1 : 0;
        Pivot(leaving, entering, w, most);
    }
}

bool MasterLp::SetRhs(const std::vector<double>& rhs) {
    rhs_ = rhs;
    for (int r = 0; r < rows_; ++r) {
        double v = 0;
        const double* row = &inverse_[static_cast<std::size_t>(r) * rows_];
        for (int k = 0; k < rows_; ++k) v += row[k] * rhs_[k];
        x_[r] = std::fabs(v) < kPrimalTol ? 0.0 : v;
    }
    std::vector<double> w, alpha;
    // The dual steps have no guard against stalling of their own: a bounded number, then give up.
    const int most = pivots_ + 5 * rows_ + 50;
    for (;;) {
        if (pivots_ > pivotLimit || pivots_ > most || interrupted_) return false;
        if (pivots_ % 32 == 0 && stop && stop()) return false;
        Spend(static_cast<long long>(columns_.size()) * 2 + rows_);
        int leaving = -1;
        for (int r = 0; r < rows_; ++r)
            if (x_[r] < -kPrimalTol && (leaving < 0 || x_[r] < x_[leaving])) leaving = r;
        if (leaving < 0) return true;
        if (!dualsFresh_) ComputeDuals();
        const double* row = &inverse_[static_cast<std::size_t>(leaving) * rows_];
        int entering = -1;
        double bestRatio = HUGE_VAL, bestAlpha = 0;
        for (int j = 0; j < static_cast<int>(columns_.size()); ++j) {
            if (position_[j] >= 0) continue;
            double a = 0;
            for (const Entry& e : columns_[j].entries) a += row[e.row] * e.coef;
            if (a >= -kPivotTol) continue;
            const double ratio = std::max(0.0, ReducedCost(columns_[j])) / -a;
            if (ratio < bestRatio - 1e-12 || (ratio <= bestRatio + 1e-12 && -a > bestAlpha)) {
                entering = j;
                bestRatio = ratio;
                bestAlpha = -a;
            }
        }
        if (entering < 0) {
            // Cannot happen with an artificial in every covering row; start afresh.
            ResetToLogicals();
            return Optimize();
        }
        Ftran(columns_[entering], w);
        Pivot(leaving, entering, w, ReducedCost(columns_[entering]));
    }
}

double MasterLp::Objective() const {
    double z = 0;
    for (int r = 0; r < rows_; ++r) z += columns_[basis_[r]].cost * x_[r];
    return z;
}

double MasterLp::Shortfall() const {
    double s = 0;
    for (int r = 0; r < rows_; ++r)
        if (columns_[basis_[r]].artificial) s += x_[r];
    return s;
}

std::vector<std::pair<int, double>> MasterLp::PositivePatterns() const {
    std::vector<std::pair<int, double>> out;
    for (int r = 0; r < rows_; ++r)
        if (basis_[r] >= logicals_ && x_[r] > 1e-9) out.emplace_back(basis_[r] - logicals_, x_[r]);
    std::sort(out.begin(), out.end());
    return out;
}

}  // namespace mw
