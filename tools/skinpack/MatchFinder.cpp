#include "tools/skinpack/MatchFinder.h"

namespace lzh {

TMatchFinder::TMatchFinder(const std::uint8_t* ring) : ring(ring) {
    for (int i = N + 1; i <= N + 256; ++i)
        right[i] = NIL;
    for (int i = 0; i < N; ++i)
        parent[i] = NIL;
}

void TMatchFinder::Insert(int r) {
    const std::uint8_t* key = &ring[r];
    int p = N + 1 + key[0];
    int cmp = 1;
    right[r] = left[r] = NIL;
    matchLength = 0;
    for (;;) {
        if (cmp >= 0) {
            if (right[p] == NIL) {
                right[p] = r;
                parent[r] = p;
                return;
            }
            p = right[p];
        } else {
            if (left[p] == NIL) {
                left[p] = r;
                parent[r] = p;
                return;
            }
            p = left[p];
        }
        int i = 1;
        for (; i < F; ++i) {
            cmp = key[i] - ring[p + i];
            if (cmp != 0)
                break;
        }
        if (i > THRESHOLD) {
            const int position = ((r - p) & (N - 1)) - 1;
            if (i > matchLength) {
                matchPosition = position;
                matchLength = i;
                if (matchLength >= F)
                    break;
            } else if (i == matchLength && position < matchPosition) {
                matchPosition = position;
            }
        }
    }
    // A full-length match: the new string takes the old one's place.
    parent[r] = parent[p];
    left[r] = left[p];
    right[r] = right[p];
    parent[left[p]] = r;
    parent[right[p]] = r;
    if (right[parent[p]] == p)
        right[parent[p]] = r;
    else
        left[parent[p]] = r;
    parent[p] = NIL;
}

void TMatchFinder::Remove(int p) {
    if (parent[p] == NIL)
        return;
    int q;
    if (right[p] == NIL) {
        q = left[p];
    } else if (left[p] == NIL) {
        q = right[p];
    } else {
        // Replace p by its in-order predecessor.
        q = left[p];
        if (right[q] != NIL) {
            do {
                q = right[q];
            } while (right[q] != NIL);
            right[parent[q]] = left[q];
            parent[left[q]] = parent[q];
            left[q] = left[p];
            parent[left[p]] = q;
        }
        right[q] = right[p];
        parent[right[p]] = q;
    }
    parent[q] = parent[p];
    if (right[parent[p]] == p)
        right[parent[p]] = q;
    else
        left[parent[p]] = q;
    parent[p] = NIL;
}

} // namespace lzh
