#include "tools/skinpack/MatchFinder.h"

namespace lzh {

TMatchFinder::TMatchFinder(const std::uint8_t* ring) : ring_(ring) {
    for (int i = N + 1; i <= N + 256; ++i) {
        right_[i] = NIL;
    }
    for (int i = 0; i < N; ++i) {
        parent_[i] = NIL;
    }
}

void TMatchFinder::Insert(int r) {
    const std::uint8_t* key = &ring_[r];
    int p = N + 1 + key[0];
    int cmp = 1;
    right_[r] = left_[r] = NIL;
    matchLength_ = 0;
    for (;;) {
        if (cmp >= 0) {
            if (right_[p] == NIL) {
                right_[p] = r;
                parent_[r] = p;
                return;
            }
            p = right_[p];
        } else {
            if (left_[p] == NIL) {
                left_[p] = r;
                parent_[r] = p;
                return;
            }
            p = left_[p];
        }
        int i = 1;
        for (; i < F; ++i) {
            cmp = key[i] - ring_[p + i];
            if (cmp != 0) {
                break;
            }
        }
        if (i > THRESHOLD) {
            const int position = ((r - p) & (N - 1)) - 1;
            if (i > matchLength_) {
                matchPosition_ = position;
                matchLength_ = i;
                if (matchLength_ >= F) {
                    break;
                }
            } else if (i == matchLength_ && position < matchPosition_) {
                matchPosition_ = position;
            }
        }
    }
    // A full-length match: the new string takes the old one's place.
    parent_[r] = parent_[p];
    left_[r] = left_[p];
    right_[r] = right_[p];
    parent_[left_[p]] = r;
    parent_[right_[p]] = r;
    if (right_[parent_[p]] == p) {
        right_[parent_[p]] = r;
    } else {
        left_[parent_[p]] = r;
    }
    parent_[p] = NIL;
}

void TMatchFinder::Remove(int p) {
    if (parent_[p] == NIL) {
        return;
    }
    int q;
    if (right_[p] == NIL) {
        q = left_[p];
    } else if (left_[p] == NIL) {
        q = right_[p];
    } else {
        // Replace p by its in-order predecessor.
        q = left_[p];
        if (right_[q] != NIL) {
            do {
                q = right_[q];
            } while (right_[q] != NIL);
            right_[parent_[q]] = left_[q];
            parent_[left_[q]] = parent_[q];
            left_[q] = left_[p];
            parent_[left_[p]] = q;
        }
        right_[q] = right_[p];
        parent_[right_[p]] = q;
    }
    parent_[q] = parent_[p];
    if (right_[parent_[p]] == p) {
        right_[parent_[p]] = q;
    } else {
        left_[parent_[p]] = q;
    }
    parent_[p] = NIL;
}

} // namespace lzh
