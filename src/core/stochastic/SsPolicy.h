#pragma once
// SsPolicy, the class s_S_Policy: the four cost figures of an (s,S) problem and
// polynomial interpolation by Neville's algorithm (POLINT). Nothing in the
// program computes with it; it stays part of the class set.
#include <cstdint>
#include <span>

#include "core/RuntimeError.h"

namespace tervalo::core::stochastic {

// "Subscript out of range", the error of a count beyond the working arrays.
constexpr ErrorCode kSubscriptOutOfRange = static_cast<ErrorCode>(9);

// The value y at x of the polynomial of degree n - 1 through the points
// (xa[0], ya[0]) .. (xa[n-1], ya[n-1]) (the designed arrays' elements 1 to n),
// and dy, the last correction added (the error estimate). n = 1 gives ya[0]
// and leaves dy alone. Raises RuntimeError(DivisionByZero) for two equal
// abscissae (y then holds the nearest point's value) and
// RuntimeError(kSubscriptOutOfRange) for n above 10 or beyond the arrays.
void polint(std::span<const double> xa, std::span<const double> ya, std::int16_t n, double x, double& y, double& dy);

class SsPolicy {
public:
    void POLINT(std::span<const double> xa, std::span<const double> ya, std::int16_t n, double x, double& y,
                double& dy) const {
        polint(xa, ya, n, x, y, dy);
    }

    void setShortageCost(double vData) { m_shortageCost = vData; }
    double shortageCost() const { return m_shortageCost; }
    void setHoldingCost(double vData) { m_holdingCost = vData; }
    double holdingCost() const { return m_holdingCost; }
    void setOrderingCost(double vData) { m_orderingCost = vData; }
    double orderingCost() const { return m_orderingCost; }
    void setItemCost(double vData) { m_itemCost = vData; }
    double itemCost() const { return m_itemCost; }

private:
    double m_itemCost = 0;
    double m_orderingCost = 0;
    double m_holdingCost = 0;
    double m_shortageCost = 0;
};

}  // namespace tervalo::core::stochastic
