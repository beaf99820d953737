// The four number masks, on an exact decimal expansion of the value.
#include "present/number_mask.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "present/texts.h"

namespace present {
namespace {

struct MaskShape {
    int decimals;
    const char* unit;
};

MaskShape shapeOf(Mask mask) {
    switch (mask) {
        case Mask::Megabytes: return {2, texts::kMegabytesUnit};
        case Mask::Gigabytes: return {2, texts::kGigabytesUnit};
        case Mask::Gigahertz: return {3, texts::kGigahertzUnit};
        case Mask::Megahertz: return {2, texts::kMegahertzUnit};
    }
    return {2, ""};
}

// A non-negative whole number in base 10^9, least significant limb first.
class BigDecimal {
public:
    explicit BigDecimal(std::uint64_t value) {
        do {
            limbs_.push_back(static_cast<std::uint32_t>(value % kBase));
            value /= kBase;
        } while (value != 0);
    }
    void multiply(std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (std::uint32_t& limb : limbs_) {
            std::uint64_t v = static_cast<std::uint64_t>(limb) * factor + carry;
            limb = static_cast<std::uint32_t>(v % kBase);
            carry = v / kBase;
        }
        while (carry != 0) {
            limbs_.push_back(static_cast<std::uint32_t>(carry % kBase));
            carry /= kBase;
        }
    }
    std::string digits() const {
        std::string out = std::to_string(limbs_.back());
        for (std::size_t i = limbs_.size() - 1; i-- > 0;) {
            std::string limb = std::to_string(limbs_[i]);
            out.append(9 - limb.size(), '0');
            out += limb;
        }
        return out;
    }

private:
    static constexpr std::uint32_t kBase = 1000000000u;
    std::vector<std::uint32_t> limbs_;
};

// The value as significand * 2^exponent, read from its bits so that no
// arithmetic (and no precision setting of the x87 unit) can touch it.
void decompose(long double value, std::uint64_t& significand, int& exponent) {
#if LDBL_MANT_DIG == 64
    unsigned char bytes[sizeof(long double)];
    std::memcpy(bytes, &value, sizeof value);
    std::memcpy(&significand, bytes, 8);
    int biased = (bytes[8] | (bytes[9] << 8)) & 0x7FFF;
    exponent = (biased == 0 ? 1 : biased) - 16383 - 63;
#else
    double d = static_cast<double>(value);
    std::uint64_t bits;
    std::memcpy(&bits, &d, sizeof bits);
    int biased = static_cast<int>((bits >> 52) & 0x7FF);
    significand = bits & ((std::uint64_t{1} << 52) - 1);
    if (biased != 0) significand |= std::uint64_t{1} << 52;
    exponent = (biased == 0 ? 1 : biased) - 1023 - 52;
#endif
}

// Decimal digits of a finite non-negative value: value = 0.digits * 10^point.
void exactDecimal(long double value, std::string& digits, int& point) {
    std::uint64_t significand;
    int exponent;
    decompose(value, significand, exponent);
    if (significand == 0) {
        digits.clear();
        point = 0;
        return;
    }
    BigDecimal number(significand);
    int fraction = 0;
    if (exponent >= 0) {
        for (int i = 0; i < exponent; ++i) number.multiply(2);
    } else {
        // significand / 2^k = significand * 5^k / 10^k
        for (int i = 0; i < -exponent; ++i) number.multiply(5);
        fraction = -exponent;
    }
    digits = number.digits();
    point = static_cast<int>(digits.size()) - fraction;
    std::size_t last = digits.find_last_not_of('0');
    digits.erase(last + 1);
}

// Adds one unit at the last digit, carrying leftward; may lengthen the digits.
void incrementLast(std::string& digits, int& point) {
    for (std::size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
    ++point;
}

void roundToSignificant(std::string& digits, int& point, std::size_t count) {
    if (digits.size() <= count) return;
    char first = digits[count];
    bool restZero = digits.find_first_not_of('0', count + 1) == std::string::npos;
    bool lastOdd = (digits[count - 1] - '0') % 2 != 0;
    digits.resize(count);
    if (first > '5' || (first == '5' && (!restZero || lastOdd))) incrementLast(digits, point);
}

// Keeps the digits down to 10^-decimals; the first digit cut off rounds half away.
void roundToDecimals(std::string& digits, int& point, int decimals) {
    int keep = point + decimals;
    if (keep < 0) {
        digits.clear();
        return;
    }
    if (static_cast<std::size_t>(keep) >= digits.size()) return;
    bool up = digits[static_cast<std::size_t>(keep)] >= '5';
    digits.resize(static_cast<std::size_t>(keep));
    if (up) {
        if (digits.empty()) {
            digits = "1";
            point = -decimals + 1;
        } else {
            incrementLast(digits, point);
        }
    }
}

std::string grouped(const std::string& whole, char separator) {
    std::string out;
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (i != 0 && (whole.size() - i) % 3 == 0) out += separator;
        out += whole[i];
    }
    return out;
}

}  // namespace

std::string formatMask(long double value, Mask mask, Separators separators) {
    MaskShape shape = shapeOf(mask);
    bool negative = std::signbit(value);
    std::string digits;
    int point = 0;
    if (std::isfinite(value)) exactDecimal(std::fabs(value), digits, point);
    roundToSignificant(digits, point, 18);
    roundToDecimals(digits, point, shape.decimals);
    std::size_t last = digits.find_last_not_of('0');
    digits.erase(last == std::string::npos ? 0 : last + 1);

    std::string whole;
    std::string fraction;
    if (digits.empty()) {
        whole = "0";
        negative = false;
    } else {
        for (int position = std::max(point, 1) - 1; position >= -shape.decimals; --position) {
            int index = point - 1 - position;
            char digit = (index >= 0 && static_cast<std::size_t>(index) < digits.size())
                             ? digits[static_cast<std::size_t>(index)]
                             : '0';
            (position >= 0 ? whole : fraction) += digit;
        }
        std::size_t lastFraction = fraction.find_last_not_of('0');
        fraction.erase(lastFraction == std::string::npos ? 0 : lastFraction + 1);
    }

    std::string out;
    if (negative) out += '-';
    out += grouped(whole, separators.thousands);
    if (!fraction.empty()) {
        out += separators.decimal;
        out += fraction;
    }
    out += shape.unit;
    return out;
}

}  // namespace present
