// A multi-line edit: its text as lines, scroll bars, word wrap and the keys
// it keeps from the form.
#pragma once

#include "toolkit/Edit.h"

#include <string>
#include <vector>

namespace tk {

enum class ScrollStyle { None, Horizontal, Vertical, Both };

class Memo : public Edit {
    TK_CLASS(Memo)

public:
    explicit Memo(Component* owner);
    std::vector<std::string> Lines() const;
    void SetLines(const std::vector<std::string>& lines);
    ScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(ScrollStyle style);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wordWrap);
    // Enter starts a new line (else it reaches the form's default button);
    // Tab types a tab (else it moves the focus on).
    bool WantReturns() const { return wantReturns_; }
    void SetWantReturns(bool want);
    bool WantTabs() const { return wantTabs_; }
    void SetWantTabs(bool want) { wantTabs_ = want; }

protected:
    void FillCreateParams(CreateParams& params) override;
    void WndProc(Message& message) override;

private:
    LRESULT DialogCode(WPARAM virtualKey, const MSG* key);
    ScrollStyle scrollBars_ = ScrollStyle::None;
    bool wordWrap_ = true;
    bool wantReturns_ = true;
    bool wantTabs_ = false;
};

} // namespace tk
