#include "toolkit/ClassRegistry.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace tk {
namespace {

std::string Lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

} // namespace

void ClassRegistry::Register(const std::string& className, Factory factory) {
    factories_[Lower(className)] = std::move(factory);
}

bool ClassRegistry::Knows(std::string_view className) const {
    return factories_.find(Lower(className)) != factories_.end();
}

Component* ClassRegistry::Create(std::string_view className, Component* owner) const {
    auto it = factories_.find(Lower(className));
    if (it == factories_.end()) {
        throw std::invalid_argument("class " + std::string(className) + " is not registered");
    }
    return it->second(owner);
}

} // namespace tk
