#include "skin/SkinRead/LzhTree.h"

namespace lzh {

void TLzhTree::Start() {
    for (int i = 0; i < N_CHAR; ++i) {
        freq_[i] = 1;
        child_[i] = static_cast<std::uint16_t>(i + T);
        parent_[i + T] = static_cast<std::uint16_t>(i);
    }
    int i = 0;
    for (int j = N_CHAR; j <= R; ++j) {
        freq_[j] = static_cast<std::uint16_t>(freq_[i] + freq_[i + 1]);
        child_[j] = static_cast<std::uint16_t>(i);
        parent_[i] = parent_[i + 1] = static_cast<std::uint16_t>(j);
        i += 2;
    }
    freq_[T] = 0xFFFF;
    parent_[R] = 0;
}

void TLzhTree::Rebuild() {
    // Gather the leaves at the bottom with halved frequencies.
    int j = 0;
    for (int i = 0; i < T; ++i) {
        if (child_[i] >= T) {
            freq_[j] = static_cast<std::uint16_t>((freq_[i] + 1u) / 2u);
            child_[j] = child_[i];
            ++j;
        }
    }
    // Rebuild the inner nodes, keeping frequencies in ascending order.
    int i = 0;
    for (j = N_CHAR; j < T; ++j) {
        const std::uint16_t f = static_cast<std::uint16_t>(freq_[i] + freq_[i + 1]);
        freq_[j] = f;
        int k = j - 1;
        while (f < freq_[k]) {
            --k;
        }
        ++k;
        for (int m = j; m > k; --m) {
            freq_[m] = freq_[m - 1];
            child_[m] = child_[m - 1];
        }
        freq_[k] = f;
        child_[k] = static_cast<std::uint16_t>(i);
        i += 2;
    }
    for (i = 0; i < T; ++i) {
        const int k = child_[i];
        if (k >= T) {
            parent_[k] = static_cast<std::uint16_t>(i);
        } else {
            parent_[k] = parent_[k + 1] = static_cast<std::uint16_t>(i);
        }
    }
}

void TLzhTree::Update(int symbol) {
    if (freq_[R] == MAX_FREQ) {
        Rebuild();
    }
    int c = parent_[symbol + T];
    do {
        const std::uint16_t k = ++freq_[c];
        if (k > freq_[c + 1]) {
            // Move the node up past every node of lower frequency so the
            // frequencies stay sorted.
            int l = c + 1;
            while (k > freq_[l + 1]) {
                ++l;
            }
            freq_[c] = freq_[l];
            freq_[l] = k;

            const int i = child_[c];
            parent_[i] = static_cast<std::uint16_t>(l);
            if (i < T) {
                parent_[i + 1] = static_cast<std::uint16_t>(l);
            }

            const int j = child_[l];
            child_[l] = static_cast<std::uint16_t>(i);
            parent_[j] = static_cast<std::uint16_t>(c);
            if (j < T) {
                parent_[j + 1] = static_cast<std::uint16_t>(c);
            }
            child_[c] = static_cast<std::uint16_t>(j);
            c = l;
        }
        c = parent_[c];
    } while (c != 0);
}

TPositionCode PositionCodeOf(std::uint8_t v) {
    if (v < 32) {
        return {0, 3};
    }
    if (v < 80) {
        return {static_cast<std::uint8_t>(1 + (v - 32) / 16), 4};
    }
    if (v < 144) {
        return {static_cast<std::uint8_t>(4 + (v - 80) / 8), 5};
    }
    if (v < 192) {
        return {static_cast<std::uint8_t>(12 + (v - 144) / 4), 6};
    }
    if (v < 240) {
        return {static_cast<std::uint8_t>(24 + (v - 192) / 2), 7};
    }
    return {static_cast<std::uint8_t>(48 + (v - 240)), 8};
}

std::uint8_t FirstCodeByteOf(int upper) {
    if (upper < 1) {
        return 0;
    }
    if (upper < 4) {
        return static_cast<std::uint8_t>(32 + (upper - 1) * 16);
    }
    if (upper < 12) {
        return static_cast<std::uint8_t>(80 + (upper - 4) * 8);
    }
    if (upper < 24) {
        return static_cast<std::uint8_t>(144 + (upper - 12) * 4);
    }
    if (upper < 48) {
        return static_cast<std::uint8_t>(192 + (upper - 24) * 2);
    }
    return static_cast<std::uint8_t>(240 + (upper - 48));
}

} // namespace lzh
