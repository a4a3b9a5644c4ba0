#include "toolkit/Memo.h"

#include "toolkit/MessageCrackers.h"

namespace tk {
namespace {
const EnumInfo ScrollStyleEnum{"TScrollStyle", {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"}};
} // namespace

const ClassInfo& Memo::StaticClass() {
    static const ClassInfo info = ClassInfo::Make<Memo>("TMemo", &Edit::StaticClass(), [](auto& p) {
        p.StringList("Lines", &Memo::Lines, &Memo::SetLines);
        p.template Enumeration<ScrollStyle>("ScrollBars", ScrollStyleEnum, &Memo::ScrollBars,
                                            &Memo::SetScrollBars);
        p.Boolean("WordWrap", &Memo::WordWrap, &Memo::SetWordWrap);
        p.Boolean("WantReturns", &Memo::WantReturns, &Memo::SetWantReturns);
        p.Boolean("WantTabs", &Memo::WantTabs, &Memo::SetWantTabs);
    });
    return info;
}

Memo::Memo(Component* owner) : Edit(owner) {
    SetBounds(0, 0, 185, 89);
}

std::vector<std::string> Memo::Lines() const {
    std::vector<std::string> lines;
    std::string text = Caption();
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        std::string line =
            text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
        if (end == std::string::npos) {
            break;
        }
        start = end + 1;
    }
    return lines;
}

void Memo::SetLines(const std::vector<std::string>& lines) {
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i) {
        text += (i ? "\r\n" : "") + lines[i];
    }
    SetCaption(text);
}

void Memo::FillCreateParams(CreateParams& params) {
    Edit::FillCreateParams(params);
    params.style &= ~ES_AUTOHSCROLL;
    params.style |= ES_MULTILINE | ES_AUTOVSCROLL | (wantReturns_ ? ES_WANTRETURN : 0);
    if (!wordWrap_) {
        params.style |= ES_AUTOHSCROLL;
    }
    if (scrollBars_ == ScrollStyle::Horizontal || scrollBars_ == ScrollStyle::Both) {
        params.style |= WS_HSCROLL;
    }
    if (scrollBars_ == ScrollStyle::Vertical || scrollBars_ == ScrollStyle::Both) {
        params.style |= WS_VSCROLL;
    }
}

void Memo::SetScrollBars(ScrollStyle style) {
    scrollBars_ = style;
    if (HandleAllocated()) {
        bool horizontal = style == ScrollStyle::Horizontal || style == ScrollStyle::Both;
        bool vertical = style == ScrollStyle::Vertical || style == ScrollStyle::Both;
        ShowScrollBar(Handle(), SB_HORZ, horizontal);
        ShowScrollBar(Handle(), SB_VERT, vertical);
    }
}

void Memo::SetWordWrap(bool wordWrap) {
    wordWrap_ = wordWrap;
}

void Memo::SetWantReturns(bool want) {
    wantReturns_ = want;
    ChangeStyle(want ? ES_WANTRETURN : 0, want ? 0 : ES_WANTRETURN);
}

void Memo::WndProc(Message& m) {
    if (m.msg == WM_GETDLGCODE) {
        m.result = DialogCode(m.wParam, crack::DialogCodeKey(m));
        return;
    }
    Edit::WndProc(m);
}

// The keys a memo keeps follow its properties. The native edit is asked
// without the key message: told of one, it takes its parent for a dialog and
// acts on Escape and Tab itself.
LRESULT Memo::DialogCode(WPARAM virtualKey, const MSG* key) {
    Message native{WM_GETDLGCODE, virtualKey, 0, 0};
    DefaultHandler(native);
    auto code = static_cast<UINT>(native.result) &
                ~static_cast<UINT>(DLGC_WANTALLKEYS | DLGC_WANTTAB | DLGC_WANTMESSAGE);
    if (wantTabs_) {
        code |= DLGC_WANTTAB;
    }
    if (wantReturns_ && key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN) {
        code |= DLGC_WANTMESSAGE;
    }
    return code;
}

} // namespace tk
