// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/exact_decimal.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>
#include <vector>

namespace mostaric {
namespace {

// An unsigned integer of any size, least significant 32-bit limb first:
// just the operations the two conversions need.
class BigNumber {
public:
    explicit BigNumber(std::uint64_t value = 0)
    {
        for (; value != 0; value >>= 32U)
            m_limbs.push_back(static_cast<std::uint32_t>(value));
    }

    bool isZero() const { return m_limbs.empty(); }

    std::size_t bitLength() const
    {
        if (m_limbs.empty())
            return 0;
        return (m_limbs.size() - 1) * 32 + static_cast<std::size_t>(std::bit_width(m_limbs.back()));
    }

    bool bit(std::size_t index) const
    {
        const std::size_t limb = index / 32;
        return limb < m_limbs.size() && ((m_limbs[limb] >> (index % 32)) & 1U) != 0;
    }

    // Any bit below `index` set.
    bool anyBitBelow(std::size_t index) const
    {
        for (std::size_t limb = 0; limb < m_limbs.size() && limb * 32 < index; ++limb) {
            const std::size_t bits = std::min<std::size_t>(32, index - limb * 32);
            const std::uint32_t mask =
                bits == 32 ? ~std::uint32_t{0} : (std::uint32_t{1} << bits) - 1;
            if ((m_limbs[limb] & mask) != 0)
                return true;
        }
        return false;
    }

    // this = this * factor + addend
    void multiplyAdd(std::uint32_t factor, std::uint32_t addend)
    {
        std::uint64_t carry = addend;
        for (std::uint32_t& limb : m_limbs) {
            const std::uint64_t product = std::uint64_t{limb} * factor + carry;
            limb = static_cast<std::uint32_t>(product);
            carry = product >> 32U;
        }
        if (carry != 0)
            m_limbs.push_back(static_cast<std::uint32_t>(carry));
        trim();
    }

    // this /= divisor; returns the remainder.
    std::uint32_t divide(std::uint32_t divisor)
    {
        std::uint64_t remainder = 0;
        // Most significant limb first, by index: clazy's older Clang cannot
        // read libstdc++ 12's reversed views.
        for (std::size_t at = m_limbs.size(); at-- > 0;) {
            const std::uint64_t current = (remainder << 32U) | m_limbs[at];
            m_limbs[at] = static_cast<std::uint32_t>(current / divisor);
            remainder = current % divisor;
        }
        trim();
        return static_cast<std::uint32_t>(remainder);
    }

    void shiftLeft(std::size_t bits)
    {
        if (isZero())
            return;
        const std::size_t limbs = bits / 32;
        const unsigned rest = bits % 32;
        m_limbs.insert(m_limbs.begin(), limbs, 0);
        if (rest != 0) {
            std::uint32_t carry = 0;
            for (std::size_t i = limbs; i < m_limbs.size(); ++i) {
                const std::uint32_t limb = m_limbs[i];
                m_limbs[i] = (limb << rest) | carry;
                carry = limb >> (32 - rest);
            }
            if (carry != 0)
                m_limbs.push_back(carry);
        }
    }

    void shiftRight(std::size_t bits)
    {
        const std::size_t limbs = std::min(bits / 32, m_limbs.size());
        const unsigned rest = bits % 32;
        m_limbs.erase(m_limbs.begin(), m_limbs.begin() + static_cast<std::ptrdiff_t>(limbs));
        if (rest != 0) {
            for (std::size_t i = 0; i < m_limbs.size(); ++i) {
                const std::uint32_t high = i + 1 < m_limbs.size() ? m_limbs[i + 1] : 0;
                m_limbs[i] = (m_limbs[i] >> rest) | (high << (32 - rest));
            }
        }
        trim();
    }

    void increment() { multiplyAdd(1, 1); }

    friend int compare(const BigNumber& a, const BigNumber& b)
    {
        if (a.m_limbs.size() != b.m_limbs.size())
            return a.m_limbs.size() < b.m_limbs.size() ? -1 : 1;
        for (std::size_t i = a.m_limbs.size(); i-- > 0;) {
            if (a.m_limbs[i] != b.m_limbs[i])
                return a.m_limbs[i] < b.m_limbs[i] ? -1 : 1;
        }
        return 0;
    }

    // this -= other, where other <= this.
    void subtract(const BigNumber& other)
    {
        std::int64_t borrow = 0;
        for (std::size_t i = 0; i < m_limbs.size(); ++i) {
            std::int64_t difference = std::int64_t{m_limbs[i]} - borrow
                - (i < other.m_limbs.size() ? std::int64_t{other.m_limbs[i]} : 0);
            borrow = difference < 0 ? 1 : 0;
            if (difference < 0)
                difference += std::int64_t{1} << 32U;
            m_limbs[i] = static_cast<std::uint32_t>(difference);
        }
        trim();
    }

private:
    void trim()
    {
        while (!m_limbs.empty() && m_limbs.back() == 0)
            m_limbs.pop_back();
    }

    std::vector<std::uint32_t> m_limbs;
};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

constexpr int kMantissaBits = 53;
constexpr int kMinExponent = -1022;  // of the smallest normal double's leading bit

// numerator / denominator rounded to the nearest double, ties to even; 0 or
// infinity when out of range.
double roundQuotient(BigNumber numerator, BigNumber denominator)
{
    // Scale so the quotient has 63 or 64 bits: value = quotient * 2^-scale.
    const auto scale = 63
        - (static_cast<long>(numerator.bitLength()) - static_cast<long>(denominator.bitLength()));
    if (scale >= 0)
        numerator.shiftLeft(static_cast<std::size_t>(scale));
    else
        denominator.shiftLeft(static_cast<std::size_t>(-scale));
    std::uint64_t quotient = 0;
    denominator.shiftLeft(63);
    for (int bit = 63; bit >= 0; --bit) {
        if (compare(numerator, denominator) >= 0) {
            numerator.subtract(denominator);
            quotient |= std::uint64_t{1} << static_cast<unsigned>(bit);
        }
        denominator.shiftRight(1);
    }
    const bool sticky = !numerator.isZero();

    // countl_zero is int in every library; bit_width's type changed between them
    const int length = std::numeric_limits<std::uint64_t>::digits - std::countl_zero(quotient);
    const long leading = length - 1 - scale;  // the exponent of the leading bit
    long kept = kMantissaBits;
    if (leading < kMinExponent)
        kept -= kMinExponent - leading;  // fewer bits below the normal range
    if (kept < 0)
        return 0.0;
    const auto dropped = static_cast<unsigned>(length - kept);
    std::uint64_t mantissa = dropped >= 64 ? 0 : quotient >> dropped;
    const bool guard = dropped > 0 && ((quotient >> (dropped - 1)) & 1U) != 0;
    const bool below = dropped > 1 && (quotient & ((std::uint64_t{1} << (dropped - 1)) - 1)) != 0;
    if (guard && (below || sticky || (mantissa & 1U) != 0))
        ++mantissa;
    return std::ldexp(static_cast<double>(mantissa), static_cast<int>(dropped - scale));
}

}  // namespace

std::from_chars_result decimalToDouble(const char* first, const char* last, double& value)
{
    const char* at = first;
    const bool negative = at != last && *at == '-';
    if (negative)
        ++at;
    BigNumber digits;
    std::size_t fractionDigits = 0;
    bool anyDigit = false;
    bool point = false;
    for (; at != last; ++at) {
        if (isDigit(*at)) {
            digits.multiplyAdd(10, static_cast<std::uint32_t>(*at - '0'));
            anyDigit = true;
            fractionDigits += point ? 1 : 0;
        } else if (*at == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!anyDigit)
        return {first, std::errc::invalid_argument};
    if (digits.isZero()) {
        value = negative ? -0.0 : 0.0;
        return {at, std::errc()};
    }
    BigNumber powerOfTen(1);
    for (std::size_t i = 0; i < fractionDigits; ++i)
        powerOfTen.multiplyAdd(10, 0);
    const double magnitude = roundQuotient(std::move(digits), std::move(powerOfTen));
    if (magnitude == 0.0 || std::isinf(magnitude))
        return {at, std::errc::result_out_of_range};
    value = negative ? -magnitude : magnitude;
    return {at, std::errc()};
}

std::to_chars_result doubleToFixed(char* first, char* last, double value, int decimals)
{
    if (!std::isfinite(value) || decimals < 0)
        return {last, std::errc::invalid_argument};
    // |value| = mantissa * 2^exponent exactly, mantissa a 53-bit integer.
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(value), &exponent);
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, kMantissaBits));
    exponent -= kMantissaBits;

    BigNumber scaled(mantissa);
    for (int i = 0; i < decimals; ++i)
        scaled.multiplyAdd(10, 0);
    if (exponent >= 0) {
        scaled.shiftLeft(static_cast<std::size_t>(exponent));
    } else {
        const auto bits = static_cast<std::size_t>(-exponent);
        const bool guard = scaled.bit(bits - 1);
        const bool below = scaled.anyBitBelow(bits - 1);
        scaled.shiftRight(bits);
        if (guard && (below || scaled.bit(0)))
            scaled.increment();
    }

    std::string digits;  // least significant first
    while (!scaled.isZero()) {
        std::uint32_t chunk = scaled.divide(1000000000);
        const bool more = !scaled.isZero();
        for (int i = 0; i < 9 && (more || chunk != 0); ++i, chunk /= 10)
            digits.push_back(static_cast<char>('0' + chunk % 10));
    }
    while (digits.size() < static_cast<std::size_t>(decimals) + 1)
        digits.push_back('0');
    std::reverse(digits.begin(), digits.end());

    const std::size_t needed =
        (std::signbit(value) ? 1 : 0) + digits.size() + (decimals > 0 ? 1 : 0);
    if (static_cast<std::size_t>(last - first) < needed)
        return {last, std::errc::value_too_large};
    char* out = first;
    if (std::signbit(value))
        *out++ = '-';
    const std::size_t integerDigits = digits.size() - static_cast<std::size_t>(decimals);
    out = std::copy_n(digits.data(), integerDigits, out);
    if (decimals > 0) {
        *out++ = '.';
        out = std::copy_n(digits.data() + integerDigits, decimals, out);
    }
    return {out, std::errc()};
}

}  // namespace mostaric
