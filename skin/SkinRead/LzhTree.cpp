#include "skin/SkinRead/LzhTree.h"

namespace lzh {

void TLzhTree::Start() {
    for (int i = 0; i < N_CHAR; ++i) {
        freq[i] = 1;
        child[i] = static_cast<std::uint16_t>(i + T);
        parent[i + T] = static_cast<std::uint16_t>(i);
    }
    int i = 0;
    for (int j = N_CHAR; j <= R; ++j) {
        freq[j] = static_cast<std::uint16_t>(freq[i] + freq[i + 1]);
        child[j] = static_cast<std::uint16_t>(i);
        parent[i] = parent[i + 1] = static_cast<std::uint16_t>(j);
        i += 2;
    }
    freq[T] = 0xFFFF;
    parent[R] = 0;
}

void TLzhTree::Rebuild() {
    // Gather the leaves at the bottom with halved frequencies.
    int j = 0;
    for (int i = 0; i < T; ++i) {
        if (child[i] >= T) {
            freq[j] = static_cast<std::uint16_t>((freq[i] + 1u) / 2u);
            child[j] = child[i];
            ++j;
        }
    }
    // Rebuild the inner nodes, keeping frequencies in ascending order.
    int i = 0;
    for (j = N_CHAR; j < T; ++j) {
        const std::uint16_t f = static_cast<std::uint16_t>(freq[i] + freq[i + 1]);
        freq[j] = f;
        int k = j - 1;
        while (f < freq[k])
            --k;
        ++k;
        for (int m = j; m > k; --m) {
            freq[m] = freq[m - 1];
            child[m] = child[m - 1];
        }
        freq[k] = f;
        child[k] = static_cast<std::uint16_t>(i);
        i += 2;
    }
    for (i = 0; i < T; ++i) {
        const int k = child[i];
        if (k >= T)
            parent[k] = static_cast<std::uint16_t>(i);
        else
            parent[k] = parent[k + 1] = static_cast<std::uint16_t>(i);
    }
}

void TLzhTree::Update(int symbol) {
    if (freq[R] == MAX_FREQ)
        Rebuild();
    int c = parent[symbol + T];
    do {
        const std::uint16_t k = ++freq[c];
        if (k > freq[c + 1]) {
            // Move the node up past every node of lower frequency so the
            // frequencies stay sorted.
            int l = c + 1;
            while (k > freq[l + 1])
                ++l;
            freq[c] = freq[l];
            freq[l] = k;

            const int i = child[c];
            parent[i] = static_cast<std::uint16_t>(l);
            if (i < T)
                parent[i + 1] = static_cast<std::uint16_t>(l);

            const int j = child[l];
            child[l] = static_cast<std::uint16_t>(i);
            parent[j] = static_cast<std::uint16_t>(c);
            if (j < T)
                parent[j + 1] = static_cast<std::uint16_t>(c);
            child[c] = static_cast<std::uint16_t>(j);
            c = l;
        }
        c = parent[c];
    } while (c != 0);
}

TPositionCode PositionCodeOf(std::uint8_t v) {
    if (v < 32)
        return {0, 3};
    if (v < 80)
        return {static_cast<std::uint8_t>(1 + (v - 32) / 16), 4};
    if (v < 144)
        return {static_cast<std::uint8_t>(4 + (v - 80) / 8), 5};
    if (v < 192)
        return {static_cast<std::uint8_t>(12 + (v - 144) / 4), 6};
    if (v < 240)
        return {static_cast<std::uint8_t>(24 + (v - 192) / 2), 7};
    return {static_cast<std::uint8_t>(48 + (v - 240)), 8};
}

std::uint8_t FirstCodeByteOf(int upper) {
    if (upper < 1)
        return 0;
    if (upper < 4)
        return static_cast<std::uint8_t>(32 + (upper - 1) * 16);
    if (upper < 12)
        return static_cast<std::uint8_t>(80 + (upper - 4) * 8);
    if (upper < 24)
        return static_cast<std::uint8_t>(144 + (upper - 12) * 4);
    if (upper < 48)
        return static_cast<std::uint8_t>(192 + (upper - 24) * 2);
    return static_cast<std::uint8_t>(240 + (upper - 48));
}

} // namespace lzh
