// A token that expires with the object that holds it. A skinner hands a
// message on to its control, and the control's own handling may free the
// skinner (its window destroyed, skinning switched off); the skinner watches
// its token across such a call and touches nothing of itself once it expired.
#pragma once

#include <memory>

namespace skin {

class TLifeToken {
public:
    using TWatch = std::weak_ptr<int>;
    TWatch Watch() const { return token_; }

private:
    std::shared_ptr<int> token_ = std::make_shared<int>(0);
};

} // namespace skin
