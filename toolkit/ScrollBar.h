// A scroll bar control over the system's SCROLLBAR class.
#pragma once

#include "toolkit/RangeControl.h"

namespace tk {

enum class ScrollBarKind { Horizontal, Vertical };

class ScrollBar : public RangeControl {
    TK_CLASS(ScrollBar)

public:
    explicit ScrollBar(Component* owner);
    ScrollBarKind Kind() const { return kind_; }
    void SetKind(ScrollBarKind kind);
    int Position() const { return position_; }
    void SetPosition(int position);
    int PageSize() const { return pageSize_; }
    void SetPageSize(int pageSize);
    int SmallChange() const { return smallChange_; }
    void SetSmallChange(int change) { smallChange_ = change; }
    int LargeChange() const { return largeChange_; }
    void SetLargeChange(int change) { largeChange_ = change; }
    NotifyEvent OnChange;

protected:
    void FillCreateParams(CreateParams& params) override;
    void HandleCreated() override;
    void PushRange() override;
    bool ScrollReflected(int request, int thumbPosition) override;

private:
    ScrollBarKind kind_ = ScrollBarKind::Horizontal;
    int pageSize_ = 0;
    int smallChange_ = 1;
    int largeChange_ = 1;
};

} // namespace tk
