#include "skin/WinSubClass/HighContrast.h"

#include <windows.h>

#include <utility>

namespace skin::highcontrast {
namespace {

bool AskSystem() {
    HIGHCONTRASTW setting{};
    setting.cbSize = sizeof(setting);
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(setting), &setting, 0) &&
           (setting.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

Query& CurrentQuery() {
    static Query query;
    return query;
}

} // namespace

bool On() {
    const Query& query = CurrentQuery();
    return query ? query() : AskSystem();
}

Query ReplaceQuery(Query query) {
    return std::exchange(CurrentQuery(), std::move(query));
}

} // namespace skin::highcontrast
