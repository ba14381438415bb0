#include "course/TEventClasses.h"

#include "files/TextUtils.h"

namespace {

std::vector<TEventClassEntry>& Table() {
    static std::vector<TEventClassEntry> Entries;
    return Entries;
}

} // namespace

void RegisterEventClass(const std::string& Keyword, TEventClass Run) {
    const std::string Key = UpperCase(Keyword);
    for (TEventClassEntry& Entry : Table())
        if (Entry.Keyword == Key) {
            Entry.Run = std::move(Run);
            return;
        }
    Table().push_back({Key, std::move(Run)});
}

const TEventClass* FindEventClass(const std::string& Keyword) {
    for (const TEventClassEntry& Entry : Table())
        if (Entry.Keyword == Keyword) return Entry.Run ? &Entry.Run : nullptr;
    return nullptr;
}

const std::vector<TEventClassEntry>& EventClasses() {
    return Table();
}

void ClearEventClasses() {
    Table().clear();
}
